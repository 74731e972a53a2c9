; NAVE.SCE - juego de prueba al estilo de las bases de datos del DAAD de
; MS-DOS: pagina de codigos 850, lineas CR LF, textos sin comillas.
/CTL
_
/VOC
N       2       noun
NORTE   2       noun
S       3       noun
SUR     3       noun
E       4       noun
ESTE    4       noun
O       5       noun
OESTE   5       noun
SUBIR   10      verb
BAJAR   11      verb
SALIR   12      verb    ; este juego cambia el orden de la plantilla:
SAL     12      verb    ; 12 es salir y 13 entrar
ENTRA   13      verb
DENTRO  13      noun
Y       2       conjugation
E       2       conjugation
/LTX
/0
NAVE, una aventura de prueba.
/1
Puente de mando
El interior de la nave est  iluminado d‚bilmente. La escalera baja
al nodo central.
/2
Nodo central. La nave ha sido dise¤ada de forma modular.
/3
Exterior. Nieve y cristales de hielo. ¨D¢nde est  la compuerta?
/CON
/0
/1 ; el puente
BAJAR 2
/2 ; el nodo
SUBIR 1
SALIR 3
/3 ; fuera de la nave, que queda al este
ENTRAR 2
E 2
/PRO 0
_ _ GOTO 1
