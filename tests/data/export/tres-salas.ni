"tres-salas" by Rumbario

[Para que el juego hable español, instale la extensión Spanish Language by Sebastian Arg y escriba (in Spanish) tras el título: "tres-salas" (in Spanish) by Rumbario. Generado por Rumbario.]

There is a room called Jardín. "Jardín. Un jardín asilvestrado; al nordeste hay una 'cabaña'."
There is a room called Cabaña. "Cabaña, que huele a leña [bracket]y a humo[close bracket] y a [']pino[']."
There is a room called Desván. "Desván; polvo, telarañas y un baúl @ cerrado~^\."

Northeast of Jardín is Cabaña.
Inside from Jardín is Cabaña.
Up from Cabaña is Desván.
Outside from Cabaña is Jardín.
Down from Desván is Cabaña.

Southwest of Cabaña is nowhere.
