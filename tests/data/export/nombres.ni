"nombres" by Rumbario

[Para que el juego hable español, instale la extensión Spanish Language by Sebastian Arg y escriba (in Spanish) tras el título: "nombres" (in Spanish) by Rumbario. Generado por Rumbario.]

There is a room called Jardín. "Jardín. Un jardín"
There is a room called Cabaña. "Cabaña, de madera"
There is a room called Desván. "Desván; polvo"
There is a room called Torre alta. "Torre  alta  . x"
There is a room called Sala 5.
There is a room called Sala 6. ", algo"
There is a room called Sala 7.
There is a room called xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx. "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"
There is a room called Nandu_Donde. "¡Ñandú! ¿Dónde?" The printed name of Nandu_Donde is "¡Ñandú! ¿Dónde?".
There is a room called 3 puertas. "3 puertas"
There is a room called You_are_in_a_large_chamber_with. "You are in a large chamber with a view" The printed name of You_are_in_a_large_chamber_with is "You are in a large chamber with a view".
There is a room called Cueva. "Cueva"
There is a room called cueva 2. "cueva."
There is a room called Cueva 3. "Cueva, otra"
There is a room called North_2. "North" The printed name of North_2 is "North 2".
There is a room called Location. "Location"
There is a room called Sala del trono. "Sala del trono"

East of Jardín is Cabaña.
East of Cabaña is Desván.
West of Cabaña is Jardín.
East of Desván is Torre alta.
West of Desván is Cabaña.
East of Torre alta is Sala 5.
West of Torre alta is Desván.
East of Sala 5 is Sala 6.
West of Sala 5 is Torre alta.
East of Sala 6 is Sala 7.
West of Sala 6 is Sala 5.
East of Sala 7 is xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx.
West of Sala 7 is Sala 6.
East of xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx is Nandu_Donde.
West of xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx is Sala 7.
East of Nandu_Donde is 3 puertas.
West of Nandu_Donde is xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx.
East of 3 puertas is You_are_in_a_large_chamber_with.
West of 3 puertas is Nandu_Donde.
East of You_are_in_a_large_chamber_with is Cueva.
West of You_are_in_a_large_chamber_with is 3 puertas.
East of Cueva is cueva 2.
West of Cueva is You_are_in_a_large_chamber_with.
East of cueva 2 is Cueva 3.
West of cueva 2 is Cueva.
East of Cueva 3 is North_2.
West of Cueva 3 is cueva 2.
East of North_2 is Location.
West of North_2 is Cueva 3.
East of Location is Sala del trono.
West of Location is North_2.
West of Sala del trono is Location.
