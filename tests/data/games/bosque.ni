"El bosque" by Rumbario

[Un juego de prueba al estilo de los de Inform 7: [comentarios [anidados]], puertas, regiones.]

Part 1 - El mapa

The Clearing is a room. "Un claro soleado en el bosque. Los pájaros cantan."
The printed name of the Clearing is "Claro del bosque".

North of the Clearing is the Forest Path. The description of the Forest Path is "Un sendero estrecho entre robles."

The Hut is east of the Clearing. "Una cabaña de troncos, con la puerta abierta al oeste."
The Cellar is below the Hut.
The Loft is above the Hut. Down from the Loft is nowhere.

The Old Well is a room.
The oak door is a door. The oak door is west of the Clearing and east of the Old Well.

The Garden is inside from the Hut.

The Woods is a region. The Clearing and the Forest Path are in the Woods.

Southwest of the Forest Path is a room called the Bramble Patch.

[Named by some of the words of their names, as Inform allows once they exist.]
The Dry Ditch is south of the well. The Thicket is west of the patch. The ditch is east of the Cellar.
The Stable is north of the Garden. The Stable Loft is above the Stable.
There is a room called the Path. It is below the Cellar.
The North Tower is north of the Loft. The South Tower is south of the North Tower. The Landing is east of the tower.

The Pond and the Reed Bed are rooms. The Reed Bed is mapped east of the Pond.

The Boat Room is a room. It is north of the Pond and below the Reed Bed. A wooden oar is a thing in the Boat Room.

A room has a room called the shortcut.

The player is in the Hut.
