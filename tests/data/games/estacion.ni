"Estación" by Pruebas

Include Spanish Language by Sebastian Arg.

[Un juego de prueba al estilo de los juegos en español: el género tras el nombre, "It is" con una
lista de direcciones, la descripción y el nombre impreso sin decir de qué, sustituciones.]

the control(m) is a room. The description is "Pantallas y luces.[if unvisited][line break]Suena una alarma.[end if] Una escalera baja al pasillo.". The printed name is "sala de control".

the pasillo(m) is a room. It is south of control, down of control , east of the esclusa and north of the bodega. The printed name is "pasillo central".

esclusa(f) is a room. The printed name is "Esclusa". The description is "Aire viciado [if the compuerta is open]y frío[end if].".

bodega(f) is a room. It is female. The printed name is "bodega de carga".

A compuerta estanca is a kind of door.

The compuerta(f) is west of esclusa and east of exterior. It is a closed and locked compuerta estanca.

exterior(m) is a room. The description is "[if unvisited]Hace frío. [end if] Nieve."

The player is in control.
