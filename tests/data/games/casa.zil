"CASA: un juego de prueba al estilo de los juegos comerciales clásicos, en ZIL"

<ROUTINE GO ()
	 <SETG LIT T>
	 <SETG HERE ,FRENTE-CASA>
	 <MOVE ,WINNER ,HERE>
	 <V-LOOK>>

<ROOM JARDIN
      (IN ROOMS)
      (DESC "Jardín")
      (LDESC "Un jardín descuidado. La casa queda al norte.")
      (NORTH TO FRENTE-CASA)
      (FLAGS RLANDBIT ONBIT)>

<ROOM FRENTE-CASA
      (IN ROOMS)
      (DESC "Frente a la casa")
      (LDESC "Estás ante una casa blanca con la puerta tapiada.")
      (SOUTH TO JARDIN)
      (EAST "La puerta está tapiada y no puedes quitar las tablas.")
      (IN TO SALON IF PUERTA-ABIERTA ELSE "La puerta está cerrada.")
      (DOWN PER TRAMPILLA-F)
      (WEST TO BOSQUE)
      (ACTION FRENTE-F)>

;"Compilado de una forma u otra, como lo hacían los juegos de Infocom"
<COND (<GASSIGNED? PREDGEN>
<ROUTINE PUERTA-F ()
	 <RTRUE>>)>

;"El sótano aún no se usa"
;<ROOM SOTANO (IN ROOMS) (DESC "Sótano") (UP TO SALON)>

<ROUTINE SALON-F (RARG)
	 <COND (<EQUAL? .RARG ,M-LOOK>
		<TELL
"Un salón con muebles de "
<PICK-ONE ,MADERAS> "." CR>)>>

<ROOM SALON
      (IN ROOMS)
      (DESC "Salón")
      (OUT TO FRENTE-CASA)
      (UP TO DESVAN IF ESCALERA-PUESTA)
      (ACTION SALON-F)>

;"Como en los juegos posteriores, una sala que es un objeto en ROOMS"
<OBJECT DESVAN
      (IN ROOMS)
      (DESC "Desván")
      (LDESC "Un desván oscuro, con \"cosas\" viejas|y polvo.")
      (DOWN TO SALON)>

<OBJECT LAMPARA (IN SALON) (DESC "lámpara")>
