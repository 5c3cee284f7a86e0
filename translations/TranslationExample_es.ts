<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>AddBarcode</name>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Notice:Please enter a 16-character barcode!</source>
        <translation>Aviso: ¡introduzca un código de barras de 16 caracteres!</translation>
    </message>
    <message>
        <source>Barcode：</source>
        <translation>Código de barras:</translation>
    </message>
    <message>
        <source>The Barcode is empty!</source>
        <translation>¡El código de barras está vacío!</translation>
    </message>
    <message>
        <source>The Barcode length does not meet requirement!</source>
        <translation>¡La longitud del código de barras no es la requerida!</translation>
    </message>
</context>
<context>
    <name>BMSMainWin</name>
    <message>
        <source>Battery status</source>
        <translation>Estado de las baterías</translation>
    </message>
    <message>
        <source>Real-time data</source>
        <translation>Datos en tiempo real</translation>
    </message>
    <message>
        <source>Event and history records</source>
        <translation>Registros de eventos e historial</translation>
    </message>
    <message>
        <source>Alarm and protection configuration</source>
        <translation>Configuración de alarmas y protecciones</translation>
    </message>
    <message>
        <source>Firmware upgrade</source>
        <translation>Actualización del firmware</translation>
    </message>
    <message>
        <source>Raw console data</source>
        <translation>Datos sin procesar de la consola</translation>
    </message>
    <message>
        <source>Message catalogue</source>
        <translation>Catálogo de mensajes</translation>
    </message>
    <message>
        <source>语言测试</source>
        <translation>Prueba de idioma</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Puerto serie</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>BaudRate:</source>
        <translation>Velocidad (baudios):</translation>
    </message>
    <message>
        <source>DataBits:</source>
        <translation>Bits de datos:</translation>
    </message>
    <message>
        <source>StopBits:</source>
        <translation>Bits de parada:</translation>
    </message>
    <message>
        <source>ParityBit:</source>
        <translation>Paridad:</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Logout</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Baterías</translation>
    </message>
    <message>
        <source>ReceiveMess</source>
        <translation>Datos recibidos</translation>
    </message>
    <message>
        <source>Mess</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>RTData ON</source>
        <translation>Activar tiempo real</translation>
    </message>
    <message>
        <source>RTData OFF</source>
        <translation>Detener tiempo real</translation>
    </message>
    <message>
        <source>Save the real-time data to a file</source>
        <translation>Guardar los datos en tiempo real en un archivo</translation>
    </message>
    <message>
        <source>Clear the real-time data</source>
        <translation>Borrar los datos en tiempo real</translation>
    </message>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Guardar la configuración en un archivo</translation>
    </message>
    <message>
        <source>Number of events:</source>
        <translation>Número de eventos:</translation>
    </message>
    <message>
        <source>Number of histories: </source>
        <translation>Número de registros de historial: </translation>
    </message>
    <message>
        <source>Starting number:</source>
        <translation>Desde el n.º:</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Export the table to a workbook</source>
        <translation>Exportar la tabla a un libro de cálculo</translation>
    </message>
    <message>
        <source>reflash</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Upgrade the firmware</source>
        <translation>Actualizar el firmware</translation>
    </message>
    <message>
        <source>Wake a battery and upgrade it</source>
        <translation>Despertar una batería y actualizarla</translation>
    </message>
    <message>
        <source>Upgrade the boot loader</source>
        <translation>Actualizar el cargador de arranque</translation>
    </message>
    <message>
        <source>第1页</source>
        <translation>Página 1</translation>
    </message>
    <message>
        <source>第2页</source>
        <translation>Página 2</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Consola</translation>
    </message>
    <message>
        <source>Exit Console</source>
        <translation>Salir de la consola</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>Enviar archivo</translation>
    </message>
    <message>
        <source>Transmit progress:</source>
        <translation>Transferencia:</translation>
    </message>
    <message>
        <source>System Time:</source>
        <translation>Hora del sistema:</translation>
    </message>
    <message>
        <source>Command State:</source>
        <translation>Estado del comando:</translation>
    </message>
    <message>
        <source>System Time: </source>
        <translation>Hora del sistema: </translation>
    </message>
    <message>
        <source>Do you wish to quit NorvaneBat?</source>
        <translation>¿Desea salir de NorvaneBat?</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>The serial port not open, Please Login!</source>
        <translation>El puerto serie no está abierto. ¡Pulse «Conectar»!</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>The serial port not open, Please open!</source>
        <translation>El puerto serie no está abierto. ¡Ábralo!</translation>
    </message>
    <message>
        <source>Switch the charge MOS on?</source>
        <translation>¿Activar el MOS de carga?</translation>
    </message>
    <message>
        <source>Switch the charge MOS off?
The batteries take no charge until it is switched on again.</source>
        <translation>¿Desactivar el MOS de carga?
Las baterías no se cargan hasta que se vuelva a activar.</translation>
    </message>
    <message>
        <source>Switch the discharge MOS on?</source>
        <translation>¿Activar el MOS de descarga?</translation>
    </message>
    <message>
        <source>Switch the discharge MOS off?
The system stops supplying its load.</source>
        <translation>¿Desactivar el MOS de descarga?
El sistema deja de alimentar su carga.</translation>
    </message>
    <message>
        <source>Run the self-test of every battery?</source>
        <translation>¿Ejecutar la autoprueba de todas las baterías?</translation>
    </message>
    <message>
        <source>alarm&amp;protcet item</source>
        <translation>Parámetro de alarma/protección</translation>
    </message>
    <message>
        <source>cell</source>
        <translation>Celda</translation>
    </message>
    <message>
        <source>power</source>
        <translation>Módulo</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>choose a file</source>
        <translation>Elegir un archivo</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>The configuration could not be saved to
%1
%2</source>
        <translation>No se pudo guardar la configuración en
%1
%2</translation>
    </message>
    <message>
        <source>Restore the unit&apos;s default protection configuration?
Every threshold set on the unit is replaced.</source>
        <translation>¿Restablecer la configuración de protección predeterminada de la unidad?
Se sustituirán todos los umbrales ajustados en la unidad.</translation>
    </message>
    <message>
        <source>The initial configuration is successful!</source>
        <translation>¡La configuración predeterminada se ha restablecido correctamente!</translation>
    </message>
    <message>
        <source>The Mos open success!</source>
        <translation>¡MOS activado correctamente!</translation>
    </message>
    <message>
        <source>The Mos open fail!</source>
        <translation>¡Error al activar el MOS!</translation>
    </message>
    <message>
        <source>The Mos close success!</source>
        <translation>¡MOS desactivado correctamente!</translation>
    </message>
    <message>
        <source>The Mos close fail!</source>
        <translation>¡Error al desactivar el MOS!</translation>
    </message>
    <message>
        <source>The self-test finish!</source>
        <translation>¡Autoprueba finalizada!</translation>
    </message>
    <message>
        <source>Added barcode fail!</source>
        <translation>¡Error al añadir el código de barras!</translation>
    </message>
    <message>
        <source>Added barcode successfully!</source>
        <translation>¡Código de barras añadido correctamente!</translation>
    </message>
    <message>
        <source>Entry Console</source>
        <translation>Acceso a la consola</translation>
    </message>
    <message>
        <source>Please enter the console password:</source>
        <translation>Introduzca la contraseña de la consola:</translation>
    </message>
    <message>
        <source>Wrong password! Please check password!</source>
        <translation>¡Contraseña incorrecta! ¡Compruébela!</translation>
    </message>
    <message>
        <source>The language has changed successfully!
Please restart if there is a problem with the interface!</source>
        <translation>¡El idioma se ha cambiado correctamente!
¡Reinicie el programa si la interfaz no se muestra bien!</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impar</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>The serial port is occupied or does not exist</source>
        <translation>El puerto serie está ocupado o no existe</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The serial port diconnect! Please check!</source>
        <translation>¡El puerto serie se ha desconectado! ¡Compruébelo!</translation>
    </message>
    <message>
        <source>In real-time rendering, can&apos;t switch pages!
Please click &quot;RTData OFF&quot;!</source>
        <translation>¡No se puede cambiar de página durante la visualización en tiempo real!
¡Pulse «Detener tiempo real»!</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Command State: completed successfully</source>
        <translation>Estado del comando: ejecutado correctamente</translation>
    </message>
    <message>
        <source>Command State: fail to excute</source>
        <translation>Estado del comando: error de ejecución</translation>
    </message>
    <message>
        <source>Command State: Unknown command</source>
        <translation>Estado del comando: comando desconocido</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Volt</source>
        <translation>Tensión</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Corriente</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Min. temp of cell</source>
        <translation>Temp. mín. de celda</translation>
    </message>
    <message>
        <source>Max. temp of cell</source>
        <translation>Temp. máx. de celda</translation>
    </message>
    <message>
        <source>Min. voltage of cell</source>
        <translation>Tensión mín. de celda</translation>
    </message>
    <message>
        <source>Max. voltage of cell</source>
        <translation>Tensión máx. de celda</translation>
    </message>
    <message>
        <source>Base Status</source>
        <translation>Estado básico</translation>
    </message>
    <message>
        <source>Voltage Status</source>
        <translation>Estado de tensión</translation>
    </message>
    <message>
        <source>Current Status</source>
        <translation>Estado de corriente</translation>
    </message>
    <message>
        <source>Temp Status</source>
        <translation>Estado de temperatura</translation>
    </message>
    <message>
        <source>Percent%</source>
        <translation>Porcentaje (%)</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>mask</source>
        <translation>Máscara</translation>
    </message>
    <message>
        <source>Can&apos;t click &quot;Event&quot;, Please click &quot;continue&quot; or click &quot;reflash&quot; or wait!</source>
        <translation>No se puede pulsar «Eventos». ¡Pulse «Continuar» o «Recargar», o espere!</translation>
    </message>
    <message>
        <source>Can&apos;t click &quot;History&quot;, Please click &quot;continue&quot; or click &quot;reflash&quot; or wait!</source>
        <translation>No se puede pulsar «Historial». ¡Pulse «Continuar» o «Recargar», o espere!</translation>
    </message>
    <message>
        <source>Can&apos;t click &quot;Event&quot;, the history record is being viewed!</source>
        <translation>No se puede pulsar «Eventos»: ¡se está leyendo el historial!</translation>
    </message>
    <message>
        <source>Can&apos;t click &quot;History&quot;, the event record is being viewed!</source>
        <translation>No se puede pulsar «Historial»: ¡se están leyendo los eventos!</translation>
    </message>
    <message>
        <source>The number of events is zero or events not obtained!</source>
        <translation>¡No hay eventos o aún no se ha leído su número!</translation>
    </message>
    <message>
        <source>The number of histories is zero or histories not obtained!</source>
        <translation>¡No hay registros de historial o aún no se ha leído su número!</translation>
    </message>
    <message>
        <source>Please enter a number!</source>
        <translation>¡Introduzca un número!</translation>
    </message>
    <message>
        <source>Please enter a number from 1 to %1!</source>
        <translation>¡Introduzca un número del 1 al %1!</translation>
    </message>
    <message>
        <source>Can&apos;t continue, Please click &quot;Event&quot; or &quot;History&quot;!</source>
        <translation>No se puede continuar. ¡Pulse «Eventos» o «Historial»!</translation>
    </message>
    <message>
        <source>The operation is too frequent!
Please try again later!</source>
        <translation>¡Operaciones demasiado seguidas!
¡Inténtelo de nuevo más tarde!</translation>
    </message>
    <message>
        <source>The event is empty!</source>
        <translation>¡No hay eventos!</translation>
    </message>
    <message>
        <source>Number of events: --</source>
        <translation>Número de eventos: --</translation>
    </message>
    <message>
        <source>Number of events: </source>
        <translation>Número de eventos: </translation>
    </message>
    <message>
        <source>Number of histories: --</source>
        <translation>Número de registros de historial: --</translation>
    </message>
    <message>
        <source>The event Command completed successfully!</source>
        <translation>¡Lectura de eventos completada correctamente!</translation>
    </message>
    <message>
        <source>The history Command completed successfully!</source>
        <translation>¡Lectura del historial completada correctamente!</translation>
    </message>
    <message>
        <source>The event Command fail to excute!Please click &quot;Event&quot;!</source>
        <translation>¡Error al leer los eventos! ¡Pulse «Eventos»!</translation>
    </message>
    <message>
        <source>The history Command fail to excute!Please click &quot;History&quot;!</source>
        <translation>¡Error al leer el historial! ¡Pulse «Historial»!</translation>
    </message>
    <message>
        <source>The Unknown Command!Please click &quot;Event&quot;!</source>
        <translation>¡Comando desconocido! ¡Pulse «Eventos»!</translation>
    </message>
    <message>
        <source>The Unknown Command!Please click &quot;History&quot;!</source>
        <translation>¡Comando desconocido! ¡Pulse «Historial»!</translation>
    </message>
    <message>
        <source>finish</source>
        <translation>Finalizado</translation>
    </message>
    <message>
        <source>Historical data table exported successfully!
would you like to view it now?</source>
        <translation>¡Tabla de datos exportada correctamente!
¿Desea verla ahora?</translation>
    </message>
    <message>
        <source>Historical data table export failed, please try again!</source>
        <translation>Error al exportar la tabla de datos. ¡Inténtelo de nuevo!</translation>
    </message>
    <message>
        <source>Index is invalid</source>
        <translation>Índice no válido</translation>
    </message>
    <message>
        <source>Data is invalid</source>
        <translation>Datos no válidos</translation>
    </message>
    <message>
        <source>
Transimit Start
</source>
        <translation>
Transferencia iniciada
</translation>
    </message>
    <message>
        <source>
Transimit abort
</source>
        <translation>
Transferencia interrumpida
</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>The bin file transfer is stopped: the receiver refused the same block again and again!</source>
        <translation>Transferencia del archivo .bin detenida: ¡el receptor rechazó el mismo bloque una y otra vez!</translation>
    </message>
    <message>
        <source>
Transimit cancel
</source>
        <translation>
Transferencia cancelada por el receptor
</translation>
    </message>
    <message>
        <source>The bin file transfer is cancelled by receiver!</source>
        <translation>¡El receptor ha cancelado la transferencia del archivo .bin!</translation>
    </message>
    <message>
        <source>
Transimit finish
</source>
        <translation>
Transferencia finalizada
</translation>
    </message>
    <message>
        <source>
Transimit Start TimeOut
</source>
        <translation>
Tiempo de espera agotado al iniciar la transferencia
</translation>
    </message>
    <message>
        <source>Start transmission timeout!</source>
        <translation>¡Tiempo de espera agotado al iniciar la transferencia!</translation>
    </message>
    <message>
        <source>
TimeOut during transmission
</source>
        <translation>
Tiempo de espera agotado durante la transferencia
</translation>
    </message>
    <message>
        <source>TimeOut during transmission!</source>
        <translation>¡Tiempo de espera agotado durante la transferencia!</translation>
    </message>
    <message>
        <source>Open file error!</source>
        <translation>¡Error al abrir el archivo!</translation>
    </message>
    <message>
        <source>Can&apos;t update boot! &quot;Present Num&quot; Unknown.</source>
        <translation>¡No se puede actualizar el cargador de arranque! «Baterías presentes» desconocido.</translation>
    </message>
    <message>
        <source>Can&apos;t update! &quot;Present Num&quot; Unknown.</source>
        <translation>¡No se puede actualizar! «Baterías presentes» desconocido.</translation>
    </message>
    <message>
        <source>Upgrading!Please wait!</source>
        <translation>¡Actualización en curso! ¡Espere!</translation>
    </message>
    <message>
        <source>The battery did not answer the wake-up!
Please check the battery and the serial line, then try again!</source>
        <translation>¡La batería no respondió al despertar!
¡Compruebe la batería y la línea serie y vuelva a intentarlo!</translation>
    </message>
    <message>
        <source>open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Did not select file!</source>
        <translation>¡No se ha seleccionado ningún archivo!</translation>
    </message>
    <message>
        <source>Battery update error!
Please check battery or wake battery!</source>
        <translation>¡Error al actualizar la batería!
¡Compruebe la batería o despiértela!</translation>
    </message>
    <message>
        <source>Version invalid!
Please check firmware!</source>
        <translation>¡Versión no válida!
¡Compruebe el firmware!</translation>
    </message>
    <message>
        <source>Version without head!
Please check firmware!</source>
        <translation>¡Versión sin cabecera!
¡Compruebe el firmware!</translation>
    </message>
    <message>
        <source>The HUB updata successful!</source>
        <translation>¡HUB actualizado correctamente!</translation>
    </message>
    <message>
        <source>Host upgraded successfully!
Please check the slave after %1 minutes!</source>
        <translation>¡Unidad principal actualizada correctamente!
¡Compruebe los módulos esclavos dentro de %1 minutos!</translation>
    </message>
    <message>
        <source>The battery updata successful!</source>
        <translation>¡Batería actualizada correctamente!</translation>
    </message>
    <message>
        <source>Transimit finish %1%</source>
        <translation>Transferido: %1 %</translation>
    </message>
    <message>
        <source>Time(min)</source>
        <translation>Tiempo (min)</translation>
    </message>
    <message>
        <source>SOC</source>
        <translation>Estado de carga</translation>
    </message>
    <message>
        <source>SOC(%)</source>
        <translation>Estado de carga (%)</translation>
    </message>
    <message>
        <source>Volt of battery</source>
        <translation>Tensión de la batería</translation>
    </message>
    <message>
        <source>Volt(V)</source>
        <translation>Tensión (V)</translation>
    </message>
    <message>
        <source>Current of battery</source>
        <translation>Corriente de la batería</translation>
    </message>
    <message>
        <source>Current(A)</source>
        <translation>Corriente (A)</translation>
    </message>
    <message>
        <source>Temperature of battery</source>
        <translation>Temperatura de la batería</translation>
    </message>
    <message>
        <source>Temp(℃)</source>
        <translation>Temperatura (℃)</translation>
    </message>
    <message>
        <source>Please click &quot;RTData ON&quot; first!</source>
        <translation>¡Pulse primero «Activar tiempo real»!</translation>
    </message>
    <message>
        <source>RTdata on succcess!</source>
        <translation>¡Tiempo real activado correctamente!</translation>
    </message>
    <message>
        <source>RTdata off fail! please click again!</source>
        <translation>¡Error al detener el tiempo real! ¡Pulse de nuevo!</translation>
    </message>
    <message>
        <source>RTdata off succcess!</source>
        <translation>¡Tiempo real detenido correctamente!</translation>
    </message>
    <message>
        <source>SOC: </source>
        <translation>Estado de carga: </translation>
    </message>
    <message>
        <source>Volt: </source>
        <translation>Tensión: </translation>
    </message>
    <message>
        <source>Curr: </source>
        <translation>Corriente: </translation>
    </message>
    <message>
        <source>Temp: </source>
        <translation>Temperatura: </translation>
    </message>
    <message>
        <source>Time: </source>
        <translation>Tiempo: </translation>
    </message>
    <message>
        <source>Can&apos;t download, Please click &quot;RTData OFF&quot;!</source>
        <translation>No se puede exportar. ¡Pulse «Detener tiempo real»!</translation>
    </message>
    <message>
        <source>The real-time data could not be saved to
%1
%2</source>
        <translation>No se pudieron guardar los datos en tiempo real en
%1
%2</translation>
    </message>
    <message>
        <source>Can&apos;t clean all, Please click &quot;RTData OFF&quot;!</source>
        <translation>No se puede borrar todo. ¡Pulse «Detener tiempo real»!</translation>
    </message>
    <message>
        <source>No connection — values of %1</source>
        <translation>Sin conexión — valores de %1</translation>
    </message>
    <message>
        <source>No answer — values of %1</source>
        <translation>Sin respuesta — valores de %1</translation>
    </message>
    <message>
        <source>No answer from the unit on %1 — check the cable and the port</source>
        <translation>Sin respuesta de la unidad en %1 — compruebe el cable y el puerto</translation>
    </message>
    <message>
        <source>No configuration has been read from the unit since the last Login.
Log in and open this page to read it, then save it.</source>
        <translation>No se ha leído ninguna configuración de la unidad desde la última conexión.
Conéctese y abra esta página para leerla; después guárdela.</translation>
    </message>
    <message>
        <source>The link ended during the file transfer: the unit did not receive the whole file.</source>
        <translation>La conexión terminó durante la transferencia: la unidad no recibió el archivo completo.</translation>
    </message>
    <message>
        <source>The link ended during the upgrade&apos;s file transfer: the unit did not receive the whole image.
Wake the battery and upgrade it again.</source>
        <translation>La conexión terminó durante la transferencia de la actualización: la unidad no recibió la imagen completa.
Despierte la batería y vuelva a actualizarla.</translation>
    </message>
    <message>
        <source>The link ended while the unit was flashing its new firmware.
The unit may still be flashing: check its version after %1 minutes.</source>
        <translation>La conexión terminó mientras la unidad grababa su nuevo firmware.
Puede que aún lo esté grabando: compruebe su versión dentro de %1 minutos.</translation>
    </message>
    <message>
        <source>The link ended while waiting for the battery to wake.
Wake it again after the next Login.</source>
        <translation>La conexión terminó mientras se esperaba que la batería despertara.
Despiértela de nuevo tras la próxima conexión.</translation>
    </message>
    <message>
        <source>The link ended during the real-time display; the unit may still be streaming and is stopped at the next Login.
The recorded data can be downloaded until the next &quot;RTData ON&quot; or &quot;Clean All&quot;.</source>
        <translation>La conexión terminó durante la visualización en tiempo real; puede que la unidad siga enviando y se detendrá en la próxima conexión.
Los datos registrados se pueden descargar hasta el próximo «Activar tiempo real» o «Borrar todo».</translation>
    </message>
    <message>
        <source>The real-time display ended with the link.
The recorded data can be downloaded until the next &quot;RTData ON&quot; or &quot;Clean All&quot;.</source>
        <translation>La visualización en tiempo real terminó con la conexión.
Los datos registrados se pueden descargar hasta el próximo «Activar tiempo real» o «Borrar todo».</translation>
    </message>
    <message>
        <source>The link ended while the event records were being listed.
Click &quot;Event&quot; again after the next Login.</source>
        <translation>La conexión terminó mientras se listaban los eventos.
Pulse de nuevo «Eventos» tras la próxima conexión.</translation>
    </message>
    <message>
        <source>The link ended while the history records were being listed.
Click &quot;History&quot; again after the next Login.</source>
        <translation>La conexión terminó mientras se listaba el historial.
Pulse de nuevo «Historial» tras la próxima conexión.</translation>
    </message>
    <message>
        <source>The link ended before the unit answered the control command.
Check the switch states after the next Login.</source>
        <translation>La conexión terminó antes de que la unidad respondiera a la orden de control.
Compruebe el estado de los interruptores tras la próxima conexión.</translation>
    </message>
    <message>
        <source>%1 of %2 records have arrived. Export them?</source>
        <translation>Han llegado %1 de %2 registros. ¿Exportarlos?</translation>
    </message>
    <message>
        <source>%1 records have arrived. Export them?</source>
        <translation>Han llegado %1 registros. ¿Exportarlos?</translation>
    </message>
</context>
<context>
    <name>BatteryGroup</name>
    <message>
        <source>State:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Present Num:</source>
        <translation>Baterías presentes:</translation>
    </message>
    <message>
        <source>Total Voltage:</source>
        <translation>Tensión total:</translation>
    </message>
    <message>
        <source>Total Current:</source>
        <translation>Corriente total:</translation>
    </message>
    <message>
        <source>Total SOC:</source>
        <translation>SOC total:</translation>
    </message>
    <message>
        <source>Total SOH:</source>
        <translation>SOH total:</translation>
    </message>
    <message>
        <source>CMOS State </source>
        <translation>Carga </translation>
    </message>
    <message>
        <source>DMOS State </source>
        <translation>Descarga </translation>
    </message>
    <message>
        <source>Switch the charge MOS on</source>
        <translation>Activar el MOS de carga</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Switch the charge MOS off</source>
        <translation>Desactivar el MOS de carga</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Switch the discharge MOS on</source>
        <translation>Activar el MOS de descarga</translation>
    </message>
    <message>
        <source>Switch the discharge MOS off</source>
        <translation>Desactivar el MOS de descarga</translation>
    </message>
    <message>
        <source>Run the self-test of every battery</source>
        <translation>Ejecutar la autoprueba de todas las baterías</translation>
    </message>
    <message>
        <source>Self-test</source>
        <translation>Autoprueba</translation>
    </message>
    <message>
        <source>Bat 1</source>
        <translation>Bat 1</translation>
    </message>
    <message>
        <source>Bat 2</source>
        <translation>Bat 2</translation>
    </message>
    <message>
        <source>Bat 3</source>
        <translation>Bat 3</translation>
    </message>
    <message>
        <source>Bat 4</source>
        <translation>Bat 4</translation>
    </message>
    <message>
        <source>Bat 5</source>
        <translation>Bat 5</translation>
    </message>
    <message>
        <source>Bat 6</source>
        <translation>Bat 6</translation>
    </message>
    <message>
        <source>Bat 7</source>
        <translation>Bat 7</translation>
    </message>
    <message>
        <source>Bat 8</source>
        <translation>Bat 8</translation>
    </message>
    <message>
        <source>Bat 9</source>
        <translation>Bat 9</translation>
    </message>
    <message>
        <source>Bat 10</source>
        <translation>Bat 10</translation>
    </message>
    <message>
        <source>Bat 11</source>
        <translation>Bat 11</translation>
    </message>
    <message>
        <source>Bat 12</source>
        <translation>Bat 12</translation>
    </message>
    <message>
        <source>Bat 13</source>
        <translation>Bat 13</translation>
    </message>
    <message>
        <source>Bat 14</source>
        <translation>Bat 14</translation>
    </message>
    <message>
        <source>Bat 15</source>
        <translation>Bat 15</translation>
    </message>
    <message>
        <source>Bat 16</source>
        <translation>Bat 16</translation>
    </message>
    <message>
        <source>Prechg Relay </source>
        <translation>Relé precarga </translation>
    </message>
    <message>
        <source>Main Relay </source>
        <translation>Relé principal </translation>
    </message>
    <message>
        <source>BasicState: bat</source>
        <translation>Estado básico: batería </translation>
    </message>
    <message>
        <source>VoltState: bat</source>
        <translation>Estado de tensión: batería </translation>
    </message>
    <message>
        <source>CurrState: bat</source>
        <translation>Estado de corriente: batería </translation>
    </message>
    <message>
        <source>TempState: bat</source>
        <translation>Estado de temperatura: batería </translation>
    </message>
    <message>
        <source>CellVolState: bat</source>
        <translation>Estado de tensión de celda: batería </translation>
    </message>
    <message>
        <source>CellTempState: bat</source>
        <translation>Estado de temperatura de celda: batería </translation>
    </message>
    <message>
        <source>AlarmTime: bat</source>
        <translation>Hora de alarma: batería </translation>
    </message>
    <message>
        <source>State: --</source>
        <translation>Estado: --</translation>
    </message>
    <message>
        <source>State: </source>
        <translation>Estado: </translation>
    </message>
    <message>
        <source>Present Num: --</source>
        <translation>Baterías presentes: --</translation>
    </message>
    <message>
        <source>Present Num: </source>
        <translation>Baterías presentes: </translation>
    </message>
    <message>
        <source>Total Voltage: -- V</source>
        <translation>Tensión total: -- V</translation>
    </message>
    <message>
        <source>Total Voltage: </source>
        <translation>Tensión total: </translation>
    </message>
    <message>
        <source>Total Current: -- A</source>
        <translation>Corriente total: -- A</translation>
    </message>
    <message>
        <source>Total Current: </source>
        <translation>Corriente total: </translation>
    </message>
    <message>
        <source>Total SOC: -- %</source>
        <translation>SOC total: -- %</translation>
    </message>
    <message>
        <source>Total SOC: </source>
        <translation>SOC total: </translation>
    </message>
    <message>
        <source>Total SOH: -- %</source>
        <translation>SOH total: -- %</translation>
    </message>
    <message>
        <source>Total SOH: </source>
        <translation>SOH total: </translation>
    </message>
    <message>
        <source>Bat %1</source>
        <translation>Batería %1</translation>
    </message>
    <message>
        <source>An alarm is active</source>
        <translation>Hay una alarma activa</translation>
    </message>
    <message>
        <source>No active alarm</source>
        <translation>Ninguna alarma activa</translation>
    </message>
    <message>
        <source>Battery %1</source>
        <translation>Batería %1</translation>
    </message>
</context>
<context>
    <name>BatteryInfo</name>
    <message>
        <source>SOC:</source>
        <translation>Estado de carga:</translation>
    </message>
    <message>
        <source>SOH:</source>
        <translation>Estado de salud:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capacidad:</translation>
    </message>
    <message>
        <source>Current:</source>
        <translation>Corriente:</translation>
    </message>
    <message>
        <source>Temp:</source>
        <translation>Temperatura:</translation>
    </message>
    <message>
        <source>Max Voltage:</source>
        <translation>Tensión máx. de celda:</translation>
    </message>
    <message>
        <source>Min Voltage:</source>
        <translation>Tensión mín. de celda:</translation>
    </message>
    <message>
        <source>Vol Difference:</source>
        <translation>Diferencia de tensión:</translation>
    </message>
    <message>
        <source>Max Vol ID:</source>
        <translation>Celda de tensión máx.:</translation>
    </message>
    <message>
        <source>Min Vol ID:</source>
        <translation>Celda de tensión mín.:</translation>
    </message>
    <message>
        <source>Basic Status:</source>
        <translation>Estado básico:</translation>
    </message>
    <message>
        <source>System Fault:</source>
        <translation>Fallo del sistema:</translation>
    </message>
    <message>
        <source>Chart or table</source>
        <translation>Gráfico o tabla</translation>
    </message>
    <message>
        <source>Device Address:</source>
        <translation>Dirección del equipo:</translation>
    </message>
    <message>
        <source>Boot Version:</source>
        <translation>Versión de arranque:</translation>
    </message>
    <message>
        <source>Barcode:</source>
        <translation>Código de barras:</translation>
    </message>
    <message>
        <source>Add barcode</source>
        <translation>Añadir el código de barras</translation>
    </message>
    <message>
        <source>Specification:</source>
        <translation>Especificación:</translation>
    </message>
    <message>
        <source>Main Soft Version:</source>
        <translation>Versión del software:</translation>
    </message>
    <message>
        <source>Comm Version:</source>
        <translation>Versión de comunicación:</translation>
    </message>
    <message>
        <source>Max Charge Current:</source>
        <translation>Corriente de carga máx.:</translation>
    </message>
    <message>
        <source>Release Date:</source>
        <translation>Fecha de versión:</translation>
    </message>
    <message>
        <source>Cell Number:</source>
        <translation>Número de celdas:</translation>
    </message>
    <message>
        <source>Device Address: </source>
        <translation>Dirección del equipo: </translation>
    </message>
    <message>
        <source>Device Address: --</source>
        <translation>Dirección del equipo: --</translation>
    </message>
    <message>
        <source>Boot Version: </source>
        <translation>Versión de arranque: </translation>
    </message>
    <message>
        <source>Boot Version: --</source>
        <translation>Versión de arranque: --</translation>
    </message>
    <message>
        <source>Barcode: </source>
        <translation>Código de barras: </translation>
    </message>
    <message>
        <source>Barcode: --</source>
        <translation>Código de barras: --</translation>
    </message>
    <message>
        <source>Specification: </source>
        <translation>Especificación: </translation>
    </message>
    <message>
        <source>Specification: --</source>
        <translation>Especificación: --</translation>
    </message>
    <message>
        <source>Main Soft Version: </source>
        <translation>Versión del software: </translation>
    </message>
    <message>
        <source>Main Soft Version: --</source>
        <translation>Versión del software: --</translation>
    </message>
    <message>
        <source>Comm Version: </source>
        <translation>Versión de comunicación: </translation>
    </message>
    <message>
        <source>Comm Version: --</source>
        <translation>Versión de comunicación: --</translation>
    </message>
    <message>
        <source>Max Charge Current: </source>
        <translation>Corriente de carga máx.: </translation>
    </message>
    <message>
        <source>Max Charge Current: --</source>
        <translation>Corriente de carga máx.: --</translation>
    </message>
    <message>
        <source>Release Date: </source>
        <translation>Fecha de versión: </translation>
    </message>
    <message>
        <source>Release Date: --</source>
        <translation>Fecha de versión: --</translation>
    </message>
    <message>
        <source>Cell Number: --</source>
        <translation>Número de celdas: --</translation>
    </message>
    <message>
        <source>Cell Number: </source>
        <translation>Número de celdas: </translation>
    </message>
    <message>
        <source>SOC: -- %</source>
        <translation>Estado de carga: -- %</translation>
    </message>
    <message>
        <source>SOC: </source>
        <translation>Estado de carga: </translation>
    </message>
    <message>
        <source>SOH: -- %</source>
        <translation>Estado de salud: -- %</translation>
    </message>
    <message>
        <source>SOH: </source>
        <translation>Estado de salud: </translation>
    </message>
    <message>
        <source>Capacity: -- AH</source>
        <translation>Capacidad: -- AH</translation>
    </message>
    <message>
        <source>Capacity: </source>
        <translation>Capacidad: </translation>
    </message>
    <message>
        <source>Current: -- A</source>
        <translation>Corriente: -- A</translation>
    </message>
    <message>
        <source>Current: </source>
        <translation>Corriente: </translation>
    </message>
    <message>
        <source>Temp: -- ℃</source>
        <translation>Temperatura: -- ℃</translation>
    </message>
    <message>
        <source>Temp: </source>
        <translation>Temperatura: </translation>
    </message>
    <message>
        <source>Max Voltage: -- V</source>
        <translation>Tensión máx. de celda: -- V</translation>
    </message>
    <message>
        <source>Max Voltage: </source>
        <translation>Tensión máx. de celda: </translation>
    </message>
    <message>
        <source>Min Voltage: -- V</source>
        <translation>Tensión mín. de celda: -- V</translation>
    </message>
    <message>
        <source>Min Voltage: </source>
        <translation>Tensión mín. de celda: </translation>
    </message>
    <message>
        <source>Vol Difference: -- V</source>
        <translation>Diferencia de tensión: -- V</translation>
    </message>
    <message>
        <source>Vol Difference: </source>
        <translation>Diferencia de tensión: </translation>
    </message>
    <message>
        <source>Max Vol ID: --</source>
        <translation>Celda de tensión máx.: --</translation>
    </message>
    <message>
        <source>Max Vol ID: </source>
        <translation>Celda de tensión máx.: </translation>
    </message>
    <message>
        <source>Min Vol ID: --</source>
        <translation>Celda de tensión mín.: --</translation>
    </message>
    <message>
        <source>Min Vol ID: </source>
        <translation>Celda de tensión mín.: </translation>
    </message>
    <message>
        <source>Basic Status: </source>
        <translation>Estado básico: </translation>
    </message>
    <message>
        <source>Basic Status: --</source>
        <translation>Estado básico: --</translation>
    </message>
    <message>
        <source>System Fault: </source>
        <translation>Fallo del sistema: </translation>
    </message>
    <message>
        <source>System Fault: --</source>
        <translation>Fallo del sistema: --</translation>
    </message>
    <message>
        <source>Volt</source>
        <translation>Tensión</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Cell Volt-Temp</source>
        <translation>Tensión y temperatura de las celdas</translation>
    </message>
    <message>
        <source>Cell ID</source>
        <translation>Celda</translation>
    </message>
    <message>
        <source>Volt(V)</source>
        <translation>Tensión (V)</translation>
    </message>
    <message>
        <source>Temp(℃)</source>
        <translation>Temperatura (℃)</translation>
    </message>
    <message>
        <source>Cell Id</source>
        <translation>Celda</translation>
    </message>
    <message>
        <source>Volt(V)</source>
        <comment>cell table column</comment>
        <translation>Tens.(V)</translation>
    </message>
    <message>
        <source>Temp(℃)</source>
        <comment>cell table column</comment>
        <translation>Temp(℃)</translation>
    </message>
    <message>
        <source>Choose a battery to see its cells</source>
        <translation>Elija una batería para ver sus celdas</translation>
    </message>
</context>
<context>
    <name>CrashReportDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Sorry, This app was crashed last time!</source>
        <translation>Lo sentimos, la aplicación se cerró inesperadamente la última vez.</translation>
    </message>
    <message>
        <source>Please send us the files that  popped up in the &quot;File window&quot;. So we can solve the App-crash problem.</source>
        <translation>Envíenos los archivos de la ventana que se ha abierto para que podamos resolver la causa del cierre.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>DataEvent</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>PortOpenError</name>
    <message>
        <source>Another program is using this port. Close it, then press &quot;Login&quot; again.</source>
        <translation>Otro programa está usando este puerto. Ciérrelo y pulse de nuevo «Conectar».</translation>
    </message>
    <message>
        <source>You may not use serial ports: join the dialout group with
sudo usermod -aG dialout $USER
then log out and in again.</source>
        <translation>No tiene permiso para usar puertos serie: únase al grupo dialout con
sudo usermod -aG dialout $USER
y después cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>The adapter was unplugged. Plug it in again and pick its port.</source>
        <translation>El adaptador se ha desconectado. Vuelva a conectarlo y elija su puerto.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
</context>
<context>
    <name>RecordPagingBar</name>
    <message>
        <source>rows %1–%2 of %3</source>
        <translation>filas %1–%2 de %3</translation>
    </message>
    <message>
        <source>rows %1–%2</source>
        <translation>filas %1–%2</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>página %1 de %2</translation>
    </message>
    <message>
        <source>page %1</source>
        <translation>página %1</translation>
    </message>
    <message>
        <source>page still coming…</source>
        <translation>la página aún está llegando…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Read all</source>
        <translation>Leer todo</translation>
    </message>
</context>
<context>
    <name>TransProgress</name>
    <message>
        <source>Transmit</source>
        <translation>Transferencia</translation>
    </message>
    <message>
        <source>Transmit Progress:</source>
        <translation>Progreso:</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 de %2 bytes</translation>
    </message>
    <message>
        <source>%1, %2 left</source>
        <translation>%1, quedan %2</translation>
    </message>
</context>
<context>
    <name>UpdataLogin</name>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Notice:Battery will be dead if uploading worry firmware!</source>
        <translation>Aviso: ¡un firmware incorrecto inutiliza la batería!</translation>
    </message>
    <message>
        <source>password：</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>The Password is empty!</source>
        <translation>¡La contraseña está vacía!</translation>
    </message>
</context>
<context>
    <name>WaitConfig</name>
    <message>
        <source>Waiting</source>
        <translation>Espere</translation>
    </message>
    <message>
        <source>Please wait for the host to upgrade !</source>
        <translation>¡Espere mientras se actualiza la unidad principal!</translation>
    </message>
    <message>
        <source>Please wait for the battery to upgrade !</source>
        <translation>¡Espere mientras se actualiza la batería!</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>time waited of the longest wait</comment>
        <translation>%1 de %2</translation>
    </message>
</context>
</TS>
