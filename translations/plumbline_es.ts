<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>The program&apos;s version and the sources of its price-index data</source>
        <translation>La versión del programa y las fuentes de sus datos de índices de precios</translation>
    </message>
    <message>
        <source>Name of the program</source>
        <translation>Nombre del programa</translation>
    </message>
    <message>
        <source>Version of the program</source>
        <translation>Versión del programa</translation>
    </message>
    <message>
        <source>Caption of the price-index sources</source>
        <translation>Rótulo de las fuentes de los índices de precios</translation>
    </message>
    <message>
        <source>Where the shipped price indexes come from and under which licences</source>
        <translation>De dónde proceden los índices de precios incluidos y con qué licencias</translation>
    </message>
    <message>
        <source>Close this window (Enter or Esc)</source>
        <translation>Cerrar esta ventana (Intro o Esc)</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Buttons for the most used commands</source>
        <translation>Botones de los comandos más usados</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Separador</translation>
    </message>
    <message>
        <source>Line under the toolbar</source>
        <translation>Línea bajo la barra de herramientas</translation>
    </message>
    <message>
        <source>%1, row %2</source>
        <extracomment>%1 is a column heading of the data grid, %2 the row number on screen</extracomment>
        <translation>%1, fila %2</translation>
    </message>
    <message>
        <source>%1, data record on row %2 of the page</source>
        <extracomment>%1 says what the column holds, %2 is the row number on screen</extracomment>
        <translation>%1, registro de la fila %2 de la página</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Empty the %1 box</source>
        <extracomment>%1 is the name of the text box</extracomment>
        <translation>Vaciar el cuadro %1</translation>
    </message>
    <message>
        <source>The %1 menu</source>
        <extracomment>%1 is the menu&apos;s title, such as File or Edit</extracomment>
        <translation>El menú %1</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <source>The menus of this window</source>
        <translation>Los menús de esta ventana</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>The picture has no size.</source>
        <translation>La imagen no tiene tamaño.</translation>
    </message>
    <message>
        <source>There is not enough memory for a picture of that size.</source>
        <translation>No hay memoria suficiente para una imagen de ese tamaño.</translation>
    </message>
    <message>
        <source>The picture could not be encoded.</source>
        <translation>No se ha podido codificar la imagen.</translation>
    </message>
    <message>
        <source>The PDF page could not be started.</source>
        <translation>No se ha podido iniciar la página PDF.</translation>
    </message>
    <message>
        <source>Current Amount</source>
        <translation>Importe actual</translation>
    </message>
    <message>
        <source>Current Amount AFI</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>Importe actual aj. infl.</translation>
    </message>
    <message>
        <source>Original Amount</source>
        <translation>Importe original</translation>
    </message>
    <message>
        <source>Lost to inflation</source>
        <translation>Perdido por la inflación</translation>
    </message>
    <message>
        <source>Gained from falling prices</source>
        <translation>Ganado por la bajada de precios</translation>
    </message>
    <message>
        <source>AFI carried (no rate)</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>Aj. infl. arrastrado (sin tasa)</translation>
    </message>
    <message>
        <source>Skipped record</source>
        <translation>Registro omitido</translation>
    </message>
    <message>
        <source>This investment has no data records yet, so there is nothing to draw. Add a record with Add New under the grid.</source>
        <translation>Esta inversión aún no tiene registros, así que no hay nada que dibujar. Añada un registro con Añadir, bajo la cuadrícula.</translation>
    </message>
    <message>
        <source>No data record of this investment has both amounts above 0, so there is nothing to draw.</source>
        <translation>Ningún registro de esta inversión tiene ambos importes por encima de 0, así que no hay nada que dibujar.</translation>
    </message>
    <message>
        <source>No inflation rate has been entered for this investment yet, so there is no amount adjusted for inflation to draw.</source>
        <translation>Aún no se ha introducido ninguna tasa de inflación para esta inversión, así que no hay importe ajustado por inflación que dibujar.</translation>
    </message>
    <message>
        <source>Q%1 %2</source>
        <extracomment>A quarter on the date axis: %1 the quarter (1 to 4), %2 the year</extracomment>
        <translation>T%1 %2</translation>
    </message>
</context>
<context>
    <name>ChartWindow</name>
    <message>
        <source>The shown investment&apos;s current amount against its amount adjusted for inflation</source>
        <translation>El importe actual de la inversión mostrada frente a su importe ajustado por inflación</translation>
    </message>
    <message>
        <source>Save the chart as a PNG picture</source>
        <translation>Guardar el gráfico como imagen PNG</translation>
    </message>
    <message>
        <source>Save the chart as a PDF document</source>
        <translation>Guardar el gráfico como documento PDF</translation>
    </message>
    <message>
        <source>Figures of the picked record</source>
        <translation>Cifras del registro elegido</translation>
    </message>
    <message>
        <source>No record picked</source>
        <translation>Ningún registro elegido</translation>
    </message>
    <message>
        <source>Returns of the shown investment</source>
        <translation>Rentabilidad de la inversión mostrada</translation>
    </message>
    <message>
        <source>No returns</source>
        <translation>Sin rentabilidad</translation>
    </message>
    <message>
        <source>Save as P&amp;NG…</source>
        <translation>Guardar como P&amp;NG…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>Guardar como P&amp;DF…</translation>
    </message>
    <message>
        <source>There is no investment to chart yet. Add one with the New Investment Record command.</source>
        <translation>Aún no hay ninguna inversión que representar. Añada una con el comando Nueva inversión.</translation>
    </message>
    <message>
        <source>The data history cannot be read: line %1 of &quot;%2&quot; gives error %3 (%4).</source>
        <extracomment>%1 a line number, %2 a file, %3 an error number, %4 its description</extracomment>
        <translation>No se puede leer el historial de datos: la línea %1 de «%2» da el error %3 (%4).</translation>
    </message>
    <message>
        <source>The data history &quot;%1&quot; cannot be read: error %2 (%3).</source>
        <extracomment>%1 a file, %2 an error number, %3 its description</extracomment>
        <translation>No se puede leer el historial de datos «%1»: error %2 (%3).</translation>
    </message>
    <message>
        <source>Chart</source>
        <extracomment>%1 the investment&apos;s type and institution</extracomment>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <translation>Gráfico: %1</translation>
    </message>
    <message>
        <source>No record to read</source>
        <translation>Ningún registro que leer</translation>
    </message>
    <message>
        <source>Point at a record, or use the Left and Right keys, to read its figures.</source>
        <translation>Señale un registro, o use las teclas Izquierda y Derecha, para leer sus cifras.</translation>
    </message>
    <message>
        <source>Record %1, %2: Original Amount %3; Current Amount %4; Inflation Rate (%) %5</source>
        <extracomment>%1 the record number, %2 its date, %3 to %5 amounts and the rate</extracomment>
        <translation>Registro %1, %2: importe original %3; importe actual %4; tasa de inflación (%) %5</translation>
    </message>
    <message>
        <source>Inc/Dec %1; Profit/Loss %2; Loss To Inflation %3; Current Amount AFI %4; Profit/Loss AFI %5</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>Aum./dism. %1; ganancia/pérdida %2; pérdida por inflación %3; importe actual aj. infl. %4; ganancia/pérdida aj. infl. %5</translation>
    </message>
    <message>
        <source>No inflation rate entered: the loss to inflation and both AFI figures are carried from the record before.</source>
        <translation>No se ha introducido tasa de inflación: la pérdida por inflación y ambas cifras ajustadas por inflación se arrastran del registro anterior.</translation>
    </message>
    <message>
        <source>An amount is at or below 0: nothing is computed for this record; the figures stand as they were.</source>
        <translation>Un importe es 0 o menor: no se calcula nada para este registro; las cifras quedan como estaban.</translation>
    </message>
    <message>
        <source>Save Chart as PNG</source>
        <translation>Guardar gráfico como PNG</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>The chart could not be saved to &quot;%1&quot;:<byte value="xd"/>
%2</source>
        <extracomment>%1 a file, %2 why</extracomment>
        <translation>No se ha podido guardar el gráfico en «%1»:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Save Chart as PDF</source>
        <translation>Guardar gráfico como PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Plumbline 3.5 keeps track of personal investments and shows how their value holds up against inflation. It takes no arguments; the data lives in its data folder.</source>
        <translation>Plumbline 3.5 lleva el seguimiento de las inversiones personales y muestra cómo resiste su valor frente a la inflación. No admite argumentos; los datos están en su carpeta de datos.</translation>
    </message>
    <message>
        <source>plumbline: unexpected argument &quot;%1&quot; (see --help)</source>
        <translation>plumbline: argumento inesperado «%1» (véase --help)</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be created.</source>
        <translation>No se puede crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>The investment delete that was interrupted cannot be completed from the files in the data folder. It had not changed &quot;%1&quot; or &quot;%2&quot; yet, so it was undone: both are as they were before it.</source>
        <translation>La eliminación de inversión que se interrumpió no se puede completar con los archivos de la carpeta de datos. Aún no había cambiado «%1» ni «%2», así que se ha deshecho: ambos están como antes.</translation>
    </message>
    <message>
        <source>The note of an interrupted investment delete cannot be read, so whether &quot;%1&quot; and &quot;%2&quot; still belong together is not known. Both were moved aside with it.</source>
        <translation>No se puede leer la nota de una eliminación de inversión interrumpida, así que no se sabe si «%1» y «%2» siguen correspondiéndose. Ambos se han apartado junto con ella.</translation>
    </message>
    <message>
        <source>The investment delete that was interrupted cannot be completed from the files in the data folder, and whether it had already replaced %1 is not known, so they may no longer belong together. Both were moved aside with it.</source>
        <translation>La eliminación de inversión que se interrumpió no se puede completar con los archivos de la carpeta de datos, y no se sabe si ya había sustituido %1, así que puede que ya no se correspondan. Ambos se han apartado junto con ella.</translation>
    </message>
    <message>
        <source>The investment delete that was interrupted cannot be completed from the files in the data folder. It had already replaced %1 but not %2, and they no longer belong together (investments would show the records of others), so both were moved aside with it.</source>
        <translation>La eliminación de inversión que se interrumpió no se puede completar con los archivos de la carpeta de datos. Ya había sustituido %1 pero no %2, y ya no se corresponden (las inversiones mostrarían los registros de otras), así que ambos se han apartado junto con ella.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>No se ha podido abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file (it is a folder, pipe or device); nothing was read.</source>
        <translation>%1 no es un archivo normal (es una carpeta, una tubería o un dispositivo); no se ha leído nada.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>No se ha podido leer %1: %2</translation>
    </message>
    <message>
        <source>an unfinished change is pending in &quot;%1&quot;; start Plumbline once to complete it</source>
        <translation>hay un cambio sin terminar pendiente en «%1»; inicie Plumbline una vez para completarlo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be moved into the folder &quot;%2&quot;.</source>
        <extracomment>%1 is a file&apos;s name, %2 the folder of recovered files.</extracomment>
        <translation>«%1» no se puede mover a la carpeta «%2».</translation>
    </message>
    <message>
        <source>investments copied out by an investment delete</source>
        <extracomment>Describes a file left in the data folder.</extracomment>
        <translation>inversiones copiadas al eliminar una inversión</translation>
    </message>
    <message>
        <source>the new data history of an investment delete</source>
        <extracomment>Describes a file left in the data folder.</extracomment>
        <translation>el nuevo historial de datos al eliminar una inversión</translation>
    </message>
    <message>
        <source>data records of the investments not being edited</source>
        <extracomment>Describes a file left in the data folder.</extracomment>
        <translation>registros de las inversiones que no se están editando</translation>
    </message>
    <message>
        <source>data records of the investment being edited</source>
        <extracomment>Describes a file left in the data folder.</extracomment>
        <translation>registros de la inversión que se está editando</translation>
    </message>
    <message>
        <source>data records of the investment last shown</source>
        <extracomment>Describes a file left in the data folder.</extracomment>
        <translation>registros de la última inversión mostrada</translation>
    </message>
    <message>
        <source>the investment file</source>
        <extracomment>Describes a file left in the data folder.</extracomment>
        <translation>el archivo de inversiones</translation>
    </message>
    <message>
        <source>the data history</source>
        <extracomment>Describes a file left in the data folder.</extracomment>
        <translation>el historial de datos</translation>
    </message>
    <message>
        <source>the note of an investment delete that was not completed</source>
        <extracomment>Describes a file left in the data folder.</extracomment>
        <translation>la nota de una eliminación de inversión que no se completó</translation>
    </message>
    <message>
        <source>an unfinished new copy of &quot;%1&quot;, not complete</source>
        <extracomment>Describes a file left in the data folder; %1 is the name of the data file it was to replace.</extracomment>
        <translation>una copia nueva sin terminar de «%1», incompleta</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two names of files, either one (&quot;A&quot; or &quot;B&quot;).</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two names of files, both of them (&quot;A&quot; and &quot;B&quot;).</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: error %2: %3</source>
        <extracomment>%1 is a file, %2 an error number, %3 the error&apos;s description.</extracomment>
        <translation>«%1»: error %2: %3</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <extracomment>%1 is a list of line numbers (&quot;2, 3, 4&quot;), %2 how many more lines there are.</extracomment>
        <translation>%1 y %2 más</translation>
    </message>
    <message>
        <source>there are no investments</source>
        <translation>no hay inversiones</translation>
    </message>
    <message>
        <source>investments are numbered 1 to %1</source>
        <extracomment>%1 is the number of the last investment.</extracomment>
        <translation>las inversiones están numeradas del 1 al %1</translation>
    </message>
    <message>
        <source>1 line of &quot;%1&quot; names no investment (%2) and is not exported: line %3</source>
        <extracomment>%1 is the history file, %2 says which investments exist, %3 the line&apos;s number.</extracomment>
        <translation>1 línea de «%1» no corresponde a ninguna inversión (%2) y no se exporta: línea %3</translation>
    </message>
    <message>
        <source>1 line of &quot;%1&quot; names no investment (%2) and is not in the report: line %3</source>
        <extracomment>%1 is the history file, %2 says which investments exist, %3 the line&apos;s number.</extracomment>
        <translation>1 línea de «%1» no corresponde a ninguna inversión (%2) y no figura en el informe: línea %3</translation>
    </message>
    <message>
        <source>1 line of &quot;%1&quot; names no investment (%2) and is not counted: line %3</source>
        <extracomment>%1 is the history file, %2 says which investments exist, %3 the line&apos;s number.</extracomment>
        <translation>1 línea de «%1» no corresponde a ninguna inversión (%2) y no se cuenta: línea %3</translation>
    </message>
    <message>
        <source>%1 lines of &quot;%2&quot; name no investment (%3) and are not exported: lines %4</source>
        <extracomment>%1 is how many lines, %2 the history file, %3 says which investments exist, %4 the lines&apos; numbers.</extracomment>
        <translation>%1 líneas de «%2» no corresponden a ninguna inversión (%3) y no se exportan: líneas %4</translation>
    </message>
    <message>
        <source>%1 lines of &quot;%2&quot; name no investment (%3) and are not in the report: lines %4</source>
        <extracomment>%1 is how many lines, %2 the history file, %3 says which investments exist, %4 the lines&apos; numbers.</extracomment>
        <translation>%1 líneas de «%2» no corresponden a ninguna inversión (%3) y no figuran en el informe: líneas %4</translation>
    </message>
    <message>
        <source>%1 lines of &quot;%2&quot; name no investment (%3) and are not counted: lines %4</source>
        <extracomment>%1 is how many lines, %2 the history file, %3 says which investments exist, %4 the lines&apos; numbers.</extracomment>
        <translation>%1 líneas de «%2» no corresponden a ninguna inversión (%3) y no se cuentan: líneas %4</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>The file holds binary data (NUL bytes): it is not a CSV text file.</source>
        <translation>El archivo contiene datos binarios (bytes NUL): no es un archivo de texto CSV.</translation>
    </message>
    <message>
        <source>The file starts as UTF-8 text but holds bytes that are not UTF-8.</source>
        <translation>El archivo empieza como texto UTF-8 pero contiene bytes que no son UTF-8.</translation>
    </message>
    <message>
        <source>The file holds bytes that are neither UTF-8 nor Windows-1252 text.</source>
        <translation>El archivo contiene bytes que no son texto UTF-8 ni Windows-1252.</translation>
    </message>
    <message>
        <source>The file holds control characters: it is not a CSV text file.</source>
        <translation>El archivo contiene caracteres de control: no es un archivo de texto CSV.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, too large to import.</source>
        <translation>El archivo ocupa más de %1 MB, demasiado para importarlo.</translation>
    </message>
    <message>
        <source>Line %1: a quoted field is not closed.</source>
        <translation>Línea %1: un campo entre comillas no está cerrado.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Original Amount</source>
        <translation>Importe original</translation>
    </message>
    <message>
        <source>Current Amount</source>
        <translation>Importe actual</translation>
    </message>
    <message>
        <source>Inflation Rate</source>
        <translation>Tasa de inflación</translation>
    </message>
    <message>
        <source>the date is missing</source>
        <translation>falta la fecha</translation>
    </message>
    <message>
        <source>the date &quot;%1&quot; reads both as month/day and as day/month</source>
        <translation>la fecha «%1» se puede leer como mes/día y como día/mes</translation>
    </message>
    <message>
        <source>the date &quot;%1&quot; is not a date</source>
        <translation>«%1» no es una fecha</translation>
    </message>
    <message>
        <source>the original amount is missing</source>
        <translation>falta el importe original</translation>
    </message>
    <message>
        <source>the original amount &quot;%1&quot; is not an amount</source>
        <translation>el importe original «%1» no es un importe</translation>
    </message>
    <message>
        <source>the current amount is missing</source>
        <translation>falta el importe actual</translation>
    </message>
    <message>
        <source>the current amount &quot;%1&quot; is not an amount</source>
        <translation>el importe actual «%1» no es un importe</translation>
    </message>
    <message>
        <source>the inflation rate &quot;%1&quot; is not a rate</source>
        <translation>la tasa de inflación «%1» no es una tasa</translation>
    </message>
    <message>
        <source>the row is of investment &quot;%1&quot;, line %2 of investment &quot;%3&quot;: import one investment at a time</source>
        <translation>la fila es de la inversión «%1», línea %2 de la inversión «%3»: importe una inversión cada vez</translation>
    </message>
    <message>
        <source>No column of the file is named as %1 (its header: %2).</source>
        <extracomment>%1 lists the missing column names, %2 is the file&apos;s header line</extracomment>
        <translation>Ninguna columna del archivo se llama %1 (su cabecera: %2).</translation>
    </message>
    <message>
        <source>The file holds no records.</source>
        <translation>El archivo no contiene registros.</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <extracomment>%1 is a line number of the file, %2 what is wrong with it</extracomment>
        <translation>Línea %1: %2.</translation>
    </message>
    <message>
        <source>A new investment needs an entry in &apos;Investment&apos;.</source>
        <translation>Una inversión nueva necesita un dato en &apos;Inversión&apos;.</translation>
    </message>
    <message>
        <source>An investment&apos;s type and institution hold at most 50 characters each.</source>
        <translation>El tipo y la entidad de una inversión admiten como máximo 50 caracteres cada uno.</translation>
    </message>
    <message>
        <source>An investment&apos;s type and institution cannot hold line breaks.</source>
        <translation>El tipo y la entidad de una inversión no pueden contener saltos de línea.</translation>
    </message>
    <message>
        <source>the investment&apos;s first record</source>
        <translation>el primer registro de la inversión</translation>
    </message>
    <message>
        <source>no earlier record has both amounts above 0</source>
        <translation>ningún registro anterior tiene ambos importes por encima de 0</translation>
    </message>
    <message>
        <source>the date is before the record the rate would start from</source>
        <translation>la fecha es anterior al registro desde el que contaría la tasa</translation>
    </message>
    <message>
        <source>%1 % is too large for a rate</source>
        <translation>%1 % es demasiado grande para una tasa</translation>
    </message>
    <message>
        <source>There is no investment %1 (the file holds %2).</source>
        <translation>No existe la inversión %1 (el archivo contiene %2).</translation>
    </message>
    <message>
        <source>The data files changed after the records were read; nothing was written.</source>
        <translation>Los archivos de datos han cambiado después de leer los registros; no se ha escrito nada.</translation>
    </message>
    <message>
        <source>Import Records</source>
        <translation>Importar registros</translation>
    </message>
    <message>
        <source>Fill Missing Rates</source>
        <translation>Completar tasas que faltan</translation>
    </message>
    <message>
        <source>The import could not be completed. Plumbline 3.5 completes it when it starts next time, and ends now.</source>
        <translation>No se ha podido completar la importación. Plumbline 3.5 la completará la próxima vez que se inicie, y ahora se cierra.</translation>
    </message>
    <message>
        <source>Import Recor&amp;ds…</source>
        <translation>Importar registr&amp;os…</translation>
    </message>
    <message>
        <source>&amp;Fill Missing Rates…</source>
        <translation>Completar &amp;tasas que faltan…</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt);;All files (*)</source>
        <translation>Archivos CSV (*.csv *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be imported: %2</source>
        <extracomment>%1 is a file name, %2 the reason</extracomment>
        <translation>No se puede importar «%1»: %2</translation>
    </message>
    <message>
        <source>Every date of this file can be read month first and day first.<byte value="xd"/>
<byte value="xd"/>
Line %1 holds &quot;%2&quot;:<byte value="xd"/>
Yes: month/day/year, %3<byte value="xd"/>
No: day/month/year, %4<byte value="xd"/>
<byte value="xd"/>
Are the dates month first?</source>
        <extracomment>%1 is a line number, %2 the date as the file writes it, %3 and %4 the two dates it can be</extracomment>
        <translation>Todas las fechas de este archivo se pueden leer con el mes primero y con el día primero.<byte value="xd"/>
<byte value="xd"/>
La línea %1 contiene «%2»:<byte value="xd"/>
Sí: mes/día/año, %3<byte value="xd"/>
No: día/mes/año, %4<byte value="xd"/>
<byte value="xd"/>
¿Van las fechas con el mes primero?</translation>
    </message>
    <message>
        <source>There is no investment shown to fill rates for.</source>
        <translation>No se muestra ninguna inversión cuyas tasas completar.</translation>
    </message>
    <message>
        <source>The file is too large to be imported (more than %1 MB).</source>
        <extracomment>%1 is the largest size allowed, in megabytes.</extracomment>
        <translation>El archivo es demasiado grande para importarlo (más de %1 MB).</translation>
    </message>
</context>
<context>
    <name>ImportPriceIndexDialog</name>
    <message>
        <source>Import a monthly price index from a CSV file</source>
        <translation>Importar un índice de precios mensual desde un archivo CSV</translation>
    </message>
    <message>
        <source>The file to import</source>
        <translation>El archivo que se va a importar</translation>
    </message>
    <message>
        <source>Caption of the name box</source>
        <translation>Rótulo del cuadro del nombre</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Name the imported series is kept under; a series of the same name is replaced</source>
        <translation>Nombre con el que se guarda la serie importada; una serie con el mismo nombre se sustituye</translation>
    </message>
    <message>
        <source>Caption of the country code box</source>
        <translation>Rótulo del cuadro del código de país</translation>
    </message>
    <message>
        <source>Country code</source>
        <translation>Código de país</translation>
    </message>
    <message>
        <source>Two-letter code of the country the series measures</source>
        <translation>Código de dos letras del país que mide la serie</translation>
    </message>
    <message>
        <source>What the file may hold</source>
        <translation>Lo que puede contener el archivo</translation>
    </message>
    <message>
        <source>Import the file under this name (Enter)</source>
        <translation>Importar el archivo con este nombre (Intro)</translation>
    </message>
    <message>
        <source>Close without importing (Esc)</source>
        <translation>Cerrar sin importar (Esc)</translation>
    </message>
</context>
<context>
    <name>InflationChart</name>
    <message>
        <source>Chart of the investment</source>
        <translation>Gráfico de la inversión</translation>
    </message>
    <message>
        <source>the investment</source>
        <extracomment>Stands for %1 in the chart&apos;s description when the investment has no type or institution</extracomment>
        <translation>la inversión</translation>
    </message>
    <message>
        <source>Current Amount and Current Amount AFI of %1 over %2 record from %3 to %4. </source>
        <extracomment>AFI = adjusted for inflation; %1 the investment, %2 the number of records, %3 and %4 dates</extracomment>
        <translation>Importe actual e importe actual ajustado por inflación de %1 en %2 registro, del %3 al %4. </translation>
    </message>
    <message>
        <source>Current Amount and Current Amount AFI of %1 over %2 records from %3 to %4. </source>
        <translation>Importe actual e importe actual ajustado por inflación de %1 en %2 registros, del %3 al %4. </translation>
    </message>
    <message>
        <source>Last record: Current Amount %1, Current Amount AFI %2, Profit/Loss AFI %3.</source>
        <extracomment>AFI = adjusted for inflation; %1 to %3 amounts</extracomment>
        <translation>Último registro: importe actual %1, importe actual ajustado por inflación %2, ganancia/pérdida ajustada por inflación %3.</translation>
    </message>
    <message>
        <source>Current Amount AFI lies above Current Amount at %1 of the %2 records: a gain from falling prices.</source>
        <extracomment>AFI = adjusted for inflation; %1 and %2 numbers of records</extracomment>
        <translation>El importe actual ajustado por inflación queda por encima del importe actual en %1 de los %2 registros: una ganancia por la bajada de precios.</translation>
    </message>
    <message>
        <source>Current Amount AFI lies above Current Amount at its record: a gain from falling prices.</source>
        <translation>El importe actual ajustado por inflación queda por encima del importe actual en su registro: una ganancia por la bajada de precios.</translation>
    </message>
    <message>
        <source>Current Amount AFI lies above Current Amount at every record: a gain from falling prices.</source>
        <translation>El importe actual ajustado por inflación queda por encima del importe actual en todos los registros: una ganancia por la bajada de precios.</translation>
    </message>
    <message>
        <source>Left and Right move from record to record.</source>
        <translation>Izquierda y Derecha pasan de un registro a otro.</translation>
    </message>
</context>
<context>
    <name>Password</name>
    <message>
        <source>The password library cannot start</source>
        <translation>No se puede iniciar la biblioteca de contraseñas</translation>
    </message>
</context>
<context>
    <name>PortfolioModel</name>
    <message>
        <source>See “Returns” in the user guide (F1 or About These Figures).</source>
        <extracomment>F1 is the key; About These Figures is a button of the portfolio window</extracomment>
        <translation>Véase «Rentabilidad» en la guía del usuario (F1 o Acerca de estas cifras).</translation>
    </message>
    <message>
        <source>No figure: %1.</source>
        <extracomment>%1 why a figure cannot be given</extracomment>
        <translation>Sin cifra: %1.</translation>
    </message>
    <message>
        <source>No figure: no record with both amounts above zero.</source>
        <translation>Sin cifra: ningún registro con ambos importes por encima de cero.</translation>
    </message>
    <message>
        <source>The investment record cannot be read.</source>
        <translation>No se puede leer el registro de la inversión.</translation>
    </message>
    <message>
        <source>All investments</source>
        <translation>Todas las inversiones</translation>
    </message>
    <message>
        <source>The %1 of %2 investments that have figures of their own, taken together.</source>
        <extracomment>%1 and %2 numbers of investments</extracomment>
        <translation>Las %1 de %2 inversiones que tienen cifras propias, en conjunto.</translation>
    </message>
    <message>
        <source>The sum over the investments that have figures of their own.</source>
        <translation>La suma de las inversiones que tienen cifras propias.</translation>
    </message>
    <message>
        <source>Each sum of money counted in prices of %1 by the price index %2.</source>
        <extracomment>%1 a date, %2 the name of a price index</extracomment>
        <translation>Cada cantidad de dinero contada en precios de %1 según el índice de precios %2.</translation>
    </message>
    <message>
        <source>Price index: %1.</source>
        <translation>Índice de precios: %1.</translation>
    </message>
    <message>
        <source>No time-weighted figure for all investments together: the investments&apos; records fall on different dates, so there are no common intervals to link. The money-weighted figures cover them all.</source>
        <translation>No hay cifra ponderada por el tiempo para todas las inversiones juntas: los registros de las inversiones caen en fechas distintas, así que no hay períodos comunes que encadenar. Las cifras ponderadas por el capital las abarcan todas.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Entidad</translation>
    </message>
    <message>
        <source>First Date</source>
        <translation>Primera fecha</translation>
    </message>
    <message>
        <source>Last Date</source>
        <translation>Última fecha</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Años</translation>
    </message>
    <message>
        <source>Last Current
Amount</source>
        <translation>Último importe
actual</translation>
    </message>
    <message>
        <source>Total Loss
to Inflation</source>
        <translation>Pérdida total
por inflación</translation>
    </message>
    <message>
        <source>Time-Weighted
Per Year (%)</source>
        <translation>Pond. tiempo
anual (%)</translation>
    </message>
    <message>
        <source>Time-Weighted
After Inflation (%)</source>
        <translation>Pond. tiempo
real (%)</translation>
    </message>
    <message>
        <source>Money-Weighted
Per Year (%)</source>
        <translation>Pond. capital
anual (%)</translation>
    </message>
    <message>
        <source>Money-Weighted
After Inflation (%)</source>
        <translation>Pond. capital
real (%)</translation>
    </message>
    <message>
        <source>The type of investment, as entered in its investment record.</source>
        <translation>El tipo de inversión, tal como figura en su registro de inversión.</translation>
    </message>
    <message>
        <source>The institution that holds the investment.</source>
        <translation>La entidad en la que está la inversión.</translation>
    </message>
    <message>
        <source>The date of the first record with both amounts above zero: the records the figures count.</source>
        <translation>La fecha del primer registro con ambos importes por encima de cero: los registros que cuentan las cifras.</translation>
    </message>
    <message>
        <source>The date of the last record with both amounts above zero.</source>
        <translation>La fecha del último registro con ambos importes por encima de cero.</translation>
    </message>
    <message>
        <source>The time from the first to the last date, in years of 365.25 days.</source>
        <translation>El tiempo de la primera a la última fecha, en años de 365,25 días.</translation>
    </message>
    <message>
        <source>The current amount of the last record counted. For all investments, the sum of those amounts.</source>
        <translation>El importe actual del último registro contado. Para todas las inversiones, la suma de esos importes.</translation>
    </message>
    <message>
        <source>What inflation took, added up over the records: each record&apos;s Loss To Inflation, counted once (a record without an inflation rate adds nothing).</source>
        <translation>Lo que se llevó la inflación, sumado a lo largo de los registros: la pérdida por inflación de cada registro, contada una vez (un registro sin tasa de inflación no suma nada).</translation>
    </message>
    <message>
        <source>How much the investment itself grew a year, leaving out the money you added or took out: the return of each interval between records, linked together and spread over the years. Given for a year or more of records.</source>
        <translation>Cuánto creció la propia inversión al año, sin contar el dinero aportado o retirado: la rentabilidad de cada período entre registros, encadenada y repartida entre los años. Se da a partir de un año de registros.</translation>
    </message>
    <message>
        <source>The same growth a year once the inflation rates of the records are taken out. Above zero, the investment beat inflation; below zero, inflation won.</source>
        <translation>El mismo crecimiento anual una vez descontadas las tasas de inflación de los registros. Por encima de cero, la inversión superó a la inflación; por debajo de cero, ganó la inflación.</translation>
    </message>
    <message>
        <source>The yearly rate your money earned, counting when you added or took out money, as a bank quotes interest on a savings account.</source>
        <translation>La tasa anual que obtuvo su dinero, contando cuándo se aportó o retiró dinero, como un banco indica el interés de una cuenta de ahorro.</translation>
    </message>
    <message>
        <source>The same rate after inflation: above zero, your savings beat inflation. For all investments, every sum is counted in prices of the first date by the price index chosen under View, Price Index.</source>
        <translation>La misma tasa después de la inflación: por encima de cero, sus ahorros superaron a la inflación. Para todas las inversiones, cada cantidad se cuenta en precios de la primera fecha según el índice de precios elegido en Ver, Índice de precios.</translation>
    </message>
    <message>
        <source>Investment record %1: Enter or a double click shows it in the main window.</source>
        <extracomment>%1 the investment&apos;s number</extracomment>
        <translation>Registro de inversión %1: Intro o un doble clic la muestra en la ventana principal.</translation>
    </message>
</context>
<context>
    <name>PortfolioWindow</name>
    <message>
        <source>Every investment&apos;s returns, nominal and after inflation, and those of all of them</source>
        <translation>La rentabilidad de cada inversión, nominal y real, y la de todas ellas</translation>
    </message>
    <message>
        <source>Save the table&apos;s figures as a CSV file, as plumbline-export --returns writes them</source>
        <translation>Guardar las cifras de la tabla como archivo CSV, tal como las escribe plumbline-export --returns</translation>
    </message>
    <message>
        <source>Open the user guide, whose section Returns explains the figures (F1)</source>
        <translation>Abrir la guía del usuario, cuya sección Rentabilidad explica las cifras (F1)</translation>
    </message>
    <message>
        <source>Returns of each investment</source>
        <translation>Rentabilidad de cada inversión</translation>
    </message>
    <message>
        <source>One row per investment and a last row for all of them; Enter shows the investment in the main window</source>
        <translation>Una fila por inversión y una última fila para todas ellas; Intro muestra la inversión en la ventana principal</translation>
    </message>
    <message>
        <source>Corner of the table</source>
        <translation>Esquina de la tabla</translation>
    </message>
    <message>
        <source>Rows are picked one at a time, with the arrow keys or a click</source>
        <translation>Las filas se eligen de una en una, con las teclas de flecha o un clic</translation>
    </message>
    <message>
        <source>Returns</source>
        <translation>Rentabilidad</translation>
    </message>
    <message>
        <source>The table of returns, or why there is none</source>
        <translation>La tabla de rentabilidad, o por qué no la hay</translation>
    </message>
    <message>
        <source>Why there is no table</source>
        <translation>Por qué no hay tabla</translation>
    </message>
    <message>
        <source>The reason the figures cannot be shown</source>
        <translation>El motivo por el que no se pueden mostrar las cifras</translation>
    </message>
    <message>
        <source>Note on the figures</source>
        <translation>Nota sobre las cifras</translation>
    </message>
    <message>
        <source>No note</source>
        <translation>Sin nota</translation>
    </message>
    <message>
        <source>Table and chart</source>
        <translation>Tabla y gráfico</translation>
    </message>
    <message>
        <source>Drag to share the height between the table and the chart</source>
        <translation>Arrastre para repartir la altura entre la tabla y el gráfico</translation>
    </message>
    <message>
        <source>The data history cannot be read: line %1 of &quot;%2&quot; gives error %3 (%4).</source>
        <translation>No se puede leer el historial de datos: la línea %1 de «%2» da el error %3 (%4).</translation>
    </message>
    <message>
        <source>The data history &quot;%1&quot; cannot be read: error %2 (%3).</source>
        <translation>No se puede leer el historial de datos «%1»: error %2 (%3).</translation>
    </message>
    <message>
        <source>The data files in &quot;%1&quot; cannot be read: error %2 (%3).</source>
        <translation>No se pueden leer los archivos de datos de «%1»: error %2 (%3).</translation>
    </message>
    <message>
        <source>There are no investments yet. Add one with the New Investment Record command of the main window.</source>
        <translation>Aún no hay inversiones. Añada una con el comando Nueva inversión de la ventana principal.</translation>
    </message>
    <message>
        <source>Portfolio: Did My Savings Beat Inflation?</source>
        <translation>Cartera: ¿han superado mis ahorros a la inflación?</translation>
    </message>
    <message>
        <source>Save as &amp;CSV…</source>
        <translation>Guardar como &amp;CSV…</translation>
    </message>
    <message>
        <source>&amp;About These Figures</source>
        <translation>&amp;Acerca de estas cifras</translation>
    </message>
    <message>
        <source>Opens the user guide, whose section “Returns” explains how each figure is worked out (F1).</source>
        <translation>Abre la guía del usuario, cuya sección «Rentabilidad» explica cómo se calcula cada cifra (F1).</translation>
    </message>
    <message>
        <source>No figure after inflation for all investments: %1</source>
        <translation>No hay cifra real para todas las inversiones: %1</translation>
    </message>
    <message>
        <source>All investments</source>
        <translation>Todas las inversiones</translation>
    </message>
    <message>
        <source>Save Returns as CSV</source>
        <translation>Guardar rentabilidad como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The user guide &quot;%1&quot; could not be opened. Its section “Returns” explains these figures.</source>
        <translation>No se ha podido abrir la guía del usuario «%1». Su sección «Rentabilidad» explica estas cifras.</translation>
    </message>
</context>
<context>
    <name>PriceIndex</name>
    <message>
        <source>No date to measure from.</source>
        <translation>No hay fecha desde la que medir.</translation>
    </message>
    <message>
        <source>The date %1 comes before %2.</source>
        <translation>La fecha %1 es anterior a %2.</translation>
    </message>
    <message>
        <source>%1 holds no values.</source>
        <translation>%1 no contiene valores.</translation>
    </message>
    <message>
        <source>%1 starts in %2; %3 is before it.</source>
        <translation>%1 empieza en %2; %3 es anterior.</translation>
    </message>
    <message>
        <source>%1 ends in %2; %3 is after it.</source>
        <translation>%1 termina en %2; %3 es posterior.</translation>
    </message>
    <message>
        <source>%1: one quarterly value covers both dates (%2).</source>
        <translation>%1: un mismo valor trimestral abarca ambas fechas (%2).</translation>
    </message>
    <message>
        <source>%1 has no value for %2.</source>
        <translation>%1 no tiene valor para %2.</translation>
    </message>
    <message>
        <source>%1: the rate from %2 to %3 is too large to show.</source>
        <translation>%1: la tasa de %2 a %3 es demasiado grande para mostrarla.</translation>
    </message>
    <message>
        <source>line %1: unknown kind &quot;%2&quot;</source>
        <translation>línea %1: tipo desconocido «%2»</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is not a period and a value</source>
        <translation>línea %1: «%2» no es un período y un valor</translation>
    </message>
    <message>
        <source>line %1: %2 appears twice</source>
        <translation>línea %1: %2 aparece dos veces</translation>
    </message>
    <message>
        <source>not a price index file (name, kind or data missing)</source>
        <translation>no es un archivo de índice de precios (falta el nombre, el tipo o los datos)</translation>
    </message>
    <message>
        <source>The file is too large to be a price index (more than %1 MB).</source>
        <translation>El archivo es demasiado grande para ser un índice de precios (más de %1 MB).</translation>
    </message>
    <message>
        <source>Line %1: the date &quot;%2&quot; is not in the form YYYY-MM or YYYY-MM-DD.</source>
        <translation>Línea %1: la fecha «%2» no tiene la forma AAAA-MM o AAAA-MM-DD.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a valid date.</source>
        <translation>Línea %1: «%2» no es una fecha válida.</translation>
    </message>
    <message>
        <source>Line %1: there is no value after the date.</source>
        <translation>Línea %1: no hay ningún valor después de la fecha.</translation>
    </message>
    <message>
        <source>Line %1: the value &quot;%2&quot; is not a number.</source>
        <translation>Línea %1: el valor «%2» no es un número.</translation>
    </message>
    <message>
        <source>Line %1: the value %2 is not above 0.</source>
        <translation>Línea %1: el valor %2 no es mayor que 0.</translation>
    </message>
    <message>
        <source>Line %1: the month %2 appears again (first on line %3).</source>
        <translation>Línea %1: el mes %2 aparece otra vez (la primera en la línea %3).</translation>
    </message>
    <message>
        <source>The file has no usable row: no line with a month (YYYY-MM or YYYY-MM-DD) and a value.</source>
        <translation>El archivo no tiene ninguna fila útil: ninguna línea con un mes (AAAA-MM o AAAA-MM-DD) y un valor.</translation>
    </message>
    <message>
        <source>There is no price index named %1.</source>
        <translation>No hay ningún índice de precios llamado %1.</translation>
    </message>
    <message>
        <source>The price index %1 could not be read.</source>
        <translation>No se ha podido leer el índice de precios %1.</translation>
    </message>
    <message>
        <source>The price index file %1 is damaged: %2.</source>
        <translation>El archivo del índice de precios %1 está dañado: %2.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be used. A name has 1 to 40 letters, digits, &apos;-&apos;, &apos;_&apos; or &apos;.&apos;, and does not start with &apos;.&apos;.</source>
        <translation>No se puede usar el nombre «%1». Un nombre tiene de 1 a 40 letras, cifras, &apos;-&apos;, &apos;_&apos; o &apos;.&apos;, y no empieza por &apos;.&apos;.</translation>
    </message>
    <message>
        <source>%1 is the name of a price index that comes with Plumbline. Choose another name.</source>
        <translation>%1 es el nombre de un índice de precios que viene con Plumbline. Elija otro nombre.</translation>
    </message>
    <message>
        <source>The country &quot;%1&quot; is not a two-letter country code (such as CA or DE).</source>
        <translation>El país «%1» no es un código de país de dos letras (como CA o DE).</translation>
    </message>
    <message>
        <source>%1 is not a plain folder; nothing was imported.</source>
        <translation>%1 no es una carpeta normal; no se ha importado nada.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>No se ha podido crear la carpeta %1.</translation>
    </message>
    <message>
        <source>%1 is not a plain file; it was left as it is and nothing was imported.</source>
        <translation>%1 no es un archivo normal; se ha dejado como estaba y no se ha importado nada.</translation>
    </message>
    <message>
        <source>The price index could not be saved (error %1: %2). Nothing was changed.</source>
        <translation>No se ha podido guardar el índice de precios (error %1: %2). No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>no values</source>
        <extracomment>What periods a price index covers, when it holds none.</extracomment>
        <translation>sin valores</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>What periods a price index covers: %1 the first period, %2 the last (&quot;2001-01 to 2024-06&quot;).</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1 past month changed</source>
        <extracomment>%1 is how many months&apos; values of the price index changed.</extracomment>
        <translation>%1 mes anterior modificado</translation>
    </message>
    <message>
        <source>%1 past months changed</source>
        <extracomment>%1 is how many months&apos; values of the price index changed.</extracomment>
        <translation>%1 meses anteriores modificados</translation>
    </message>
    <message>
        <source>%1 past quarter changed</source>
        <extracomment>%1 is how many quarters&apos; values of the price index changed.</extracomment>
        <translation>%1 trimestre anterior modificado</translation>
    </message>
    <message>
        <source>%1 past quarters changed</source>
        <extracomment>%1 is how many quarters&apos; values of the price index changed.</extracomment>
        <translation>%1 trimestres anteriores modificados</translation>
    </message>
    <message>
        <source>%1 past year changed</source>
        <extracomment>%1 is how many years&apos; values of the price index changed.</extracomment>
        <translation>%1 año anterior modificado</translation>
    </message>
    <message>
        <source>%1 past years changed</source>
        <extracomment>%1 is how many years&apos; values of the price index changed.</extracomment>
        <translation>%1 años anteriores modificados</translation>
    </message>
    <message>
        <source>; a rate over 12 months changed by up to %1 points</source>
        <extracomment>Follows &quot;3 past months changed&quot;; %1 is the largest change in percentage points.</extracomment>
        <translation>; una tasa a 12 meses cambió hasta %1 puntos</translation>
    </message>
</context>
<context>
    <name>PriceIndexDialog</name>
    <message>
        <source>Choose the price index the data record dialog suggests inflation rates from</source>
        <translation>Elegir el índice de precios del que el diálogo de registros sugiere tasas de inflación</translation>
    </message>
    <message>
        <source>What the chosen price index is used for</source>
        <translation>Para qué se usa el índice de precios elegido</translation>
    </message>
    <message>
        <source>Find a series or country</source>
        <translation>Buscar una serie o un país</translation>
    </message>
    <message>
        <source>Show only the series whose name, title, frequency, coverage, publisher or country holds this text</source>
        <translation>Mostrar solo las series cuyo nombre, título, frecuencia, cobertura, editor o país contiene este texto</translation>
    </message>
    <message>
        <source>Price indexes</source>
        <translation>Índices de precios</translation>
    </message>
    <message>
        <source>The shipped and imported price indexes by country, with their series, frequency, coverage and publisher</source>
        <translation>Los índices de precios incluidos e importados por país, con sus series, frecuencia, cobertura y editor</translation>
    </message>
    <message>
        <source>Where the selected price index comes from: publisher, unit and base, frequency, coverage, the day it was taken and its credit line</source>
        <translation>De dónde procede el índice de precios seleccionado: editor, unidad y base, frecuencia, cobertura, el día en que se tomó y su reconocimiento</translation>
    </message>
    <message>
        <source>Price index files that could not be read</source>
        <translation>Archivos de índices de precios que no se han podido leer</translation>
    </message>
    <message>
        <source>Use the selected price index and close (Enter)</source>
        <translation>Usar el índice de precios seleccionado y cerrar (Intro)</translation>
    </message>
    <message>
        <source>Close without a change (Esc)</source>
        <translation>Cerrar sin cambios (Esc)</translation>
    </message>
    <message>
        <source>Annual averages: a rate between two dates is spread over the days of each year.</source>
        <translation>Medias anuales: la tasa entre dos fechas se reparte entre los días de cada año.</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>Printer error</source>
        <translation>Error de impresora</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Report of %1</source>
        <extracomment>%1 the date the report was made</extracomment>
        <translation>Informe del %1</translation>
    </message>
    <message>
        <source>Data folder: %1</source>
        <extracomment>%1 a folder</extracomment>
        <translation>Carpeta de datos: %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>%1 and %2 page numbers</extracomment>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A column heading: %1 the investment&apos;s number, %2 its type or its institution</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>A column heading: %1 the investment&apos;s number, %2 its type, %3 its institution</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <extracomment>%1 the title of a table that goes on from the page before
----------
%1 the title of a section that goes on from the page before</extracomment>
        <translation>%1 (continuación)</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>Short for number</extracomment>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Entidad</translation>
    </message>
    <message>
        <source>First Counted Record</source>
        <translation>Primer registro contado</translation>
    </message>
    <message>
        <source>Last Counted Record</source>
        <translation>Último registro contado</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Años</translation>
    </message>
    <message>
        <source>Time-Weighted a Year (%)</source>
        <translation>Pond. tiempo, anual (%)</translation>
    </message>
    <message>
        <source>After Inflation a Year (%)</source>
        <translation>Real, anual (%)</translation>
    </message>
    <message>
        <source>Money-Weighted a Year (%)</source>
        <translation>Pond. capital, anual (%)</translation>
    </message>
    <message>
        <source>Why a Figure Is Blank</source>
        <translation>Por qué falta una cifra</translation>
    </message>
    <message>
        <source>All investments</source>
        <translation>Todas las inversiones</translation>
    </message>
    <message>
        <source>Returns a year</source>
        <translation>Rentabilidad anual</translation>
    </message>
    <message>
        <source>Per year, in percent, over each investment&apos;s counted records (both amounts above zero). Time-weighted: the returns between records (money added counted at mid-interval) chained together, how the investment itself did whatever was put in or taken out. Money-weighted: the yearly rate at which the money put in, the money taken out and the last current amount come to nothing, how the money in it did. After inflation: less the inflation rates of the records. A span under a year has no figure per year; each investment&apos;s page gives its figures in all.</source>
        <translation>Anual, en porcentaje, sobre los registros contados de cada inversión (ambos importes por encima de cero). Ponderada por el tiempo: las rentabilidades entre registros (el dinero aportado se cuenta a mitad del período) encadenadas, cómo le fue a la propia inversión, se aportara o retirara lo que se aportara o retirara. Ponderada por el capital: la tasa anual con la que el dinero aportado, el dinero retirado y el último importe actual se compensan, cómo le fue al dinero invertido. Real: descontadas las tasas de inflación de los registros. Un plazo de menos de un año no tiene cifra anual; la página de cada inversión da sus cifras totales.</translation>
    </message>
    <message>
        <source>All investments: money-weighted over every investment&apos;s money.</source>
        <translation>Todas las inversiones: ponderada por el capital sobre el dinero de todas las inversiones.</translation>
    </message>
    <message>
        <source>All investments: money-weighted over every investment&apos;s money, after inflation by the price index %1.</source>
        <translation>Todas las inversiones: ponderada por el capital sobre el dinero de todas las inversiones, real según el índice de precios %1.</translation>
    </message>
    <message>
        <source>What inflation took, year by year</source>
        <translation>Lo que se llevó la inflación, año por año</translation>
    </message>
    <message>
        <source>The Loss To Inflation of the records dated in each calendar year, counted as Total Loss To Inflation counts it: records with an inflation rate only, so a loss carried by a record without a rate counts once. The Total row is each investment&apos;s Total Loss To Inflation. A blank: no record with an inflation rate that year.</source>
        <translation>La pérdida por inflación de los registros fechados en cada año natural, contada como la cuenta la pérdida total por inflación: solo los registros con tasa de inflación, de modo que una pérdida arrastrada por un registro sin tasa cuenta una sola vez. La fila Total es la pérdida total por inflación de cada inversión. En blanco: ningún registro con tasa de inflación ese año.</translation>
    </message>
    <message>
        <source>No record has an inflation rate yet.</source>
        <translation>Ningún registro tiene todavía tasa de inflación.</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>All Investments</source>
        <translation>Todas las inversiones</translation>
    </message>
    <message>
        <source>What inflation took, year by year (investments %1 to %2)</source>
        <extracomment>%1 and %2 investment numbers</extracomment>
        <translation>Lo que se llevó la inflación, año por año (inversiones %1 a %2)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Investment %1</source>
        <extracomment>%1 the investment&apos;s number</extracomment>
        <translation>Inversión %1</translation>
    </message>
    <message>
        <source>Investment %1: %2</source>
        <extracomment>%1 the investment&apos;s number, %2 its type or its institution</extracomment>
        <translation>Inversión %1: %2</translation>
    </message>
    <message>
        <source>Investment %1: %2, %3</source>
        <extracomment>%1 the investment&apos;s number, %2 its type, %3 its institution</extracomment>
        <translation>Inversión %1: %2, %3</translation>
    </message>
    <message>
        <source>First Record</source>
        <translation>Primer registro</translation>
    </message>
    <message>
        <source>Last Record</source>
        <translation>Último registro</translation>
    </message>
    <message>
        <source>Last Original Amount</source>
        <translation>Último importe original</translation>
    </message>
    <message>
        <source>Last Current Amount</source>
        <translation>Último importe actual</translation>
    </message>
    <message>
        <source>Profit/Loss</source>
        <translation>Ganancia/pérdida</translation>
    </message>
    <message>
        <source>Current Amount AFI</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>Importe actual aj. infl.</translation>
    </message>
    <message>
        <source>Profit/Loss AFI</source>
        <translation>Ganancia/pérdida aj. infl.</translation>
    </message>
    <message>
        <source>Total Loss To Inflation</source>
        <translation>Pérdida total por inflación</translation>
    </message>
    <message>
        <source>Rec</source>
        <extracomment>Short for record number</extracomment>
        <translation>Reg.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Original Amount</source>
        <translation>Importe original</translation>
    </message>
    <message>
        <source>Current Amount</source>
        <translation>Importe actual</translation>
    </message>
    <message>
        <source>Inc/Dec</source>
        <extracomment>Increase or decrease of the amount</extracomment>
        <translation>Aum./dism.</translation>
    </message>
    <message>
        <source>Inflation Rate (%)</source>
        <translation>Tasa de inflación (%)</translation>
    </message>
    <message>
        <source>Loss To Inflation</source>
        <translation>Pérdida por inflación</translation>
    </message>
    <message>
        <source>Total, 1 investment</source>
        <extracomment>The summary&apos;s total row, under Type</extracomment>
        <translation>Total, 1 inversión</translation>
    </message>
    <message>
        <source>Total, %1 investments</source>
        <translation>Total, %1 inversiones</translation>
    </message>
    <message>
        <source>1 data record</source>
        <translation>1 registro</translation>
    </message>
    <message>
        <source>%1 data records</source>
        <translation>%1 registros</translation>
    </message>
    <message>
        <source>Summary (continued)</source>
        <translation>Resumen (continuación)</translation>
    </message>
    <message>
        <source>Plumbline Report</source>
        <translation>Informe de Plumbline</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>The amounts and figures are those of each investment&apos;s last record with both amounts above zero, as its row shows them: Profit/Loss is its Current Amount less its Original Amount; Current Amount AFI and Profit/Loss AFI are those of the last record with an inflation rate. Total Loss To Inflation adds up the loss of every record that has an inflation rate; a record without a rate carries the loss before it and adds nothing, and a record with an amount of zero or less is left out.</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>Los importes y cifras son los del último registro de cada inversión con ambos importes por encima de cero, tal como los muestra su fila: la ganancia/pérdida es su importe actual menos su importe original; el importe actual y la ganancia/pérdida ajustados por inflación son los del último registro con tasa de inflación. La pérdida total por inflación suma la pérdida de cada registro que tiene tasa de inflación; un registro sin tasa arrastra la pérdida anterior y no suma nada, y un registro con un importe de cero o menos se deja fuera.</translation>
    </message>
    <message>
        <source>No data records.</source>
        <translation>Sin registros.</translation>
    </message>
    <message>
        <source>1 data record, %1.</source>
        <extracomment>%1 a date</extracomment>
        <translation>1 registro, %1.</translation>
    </message>
    <message>
        <source>%1 data records, %2 to %3.</source>
        <extracomment>%1 a number of records, %2 and %3 dates</extracomment>
        <translation>%1 registros, del %2 al %3.</translation>
    </message>
    <message>
        <source>Plumbline report %1</source>
        <extracomment>The PDF document&apos;s title; %1 a date</extracomment>
        <translation>Informe de Plumbline %1</translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>Write the data records and their figures to a PDF report</source>
        <translation>Escribir los registros y sus cifras en un informe PDF</translation>
    </message>
    <message>
        <source>Which investments the report covers</source>
        <translation>Qué inversiones abarca el informe</translation>
    </message>
    <message>
        <source>Report on the investment the main window shows</source>
        <translation>Informe de la inversión que muestra la ventana principal</translation>
    </message>
    <message>
        <source>Report on every investment</source>
        <translation>Informe de todas las inversiones</translation>
    </message>
    <message>
        <source>Caption of the report file box</source>
        <translation>Rótulo del cuadro del archivo del informe</translation>
    </message>
    <message>
        <source>Report file</source>
        <translation>Archivo del informe</translation>
    </message>
    <message>
        <source>Path of the PDF file the report is saved as</source>
        <translation>Ruta del archivo PDF en el que se guarda el informe</translation>
    </message>
    <message>
        <source>Choose the report file in a file chooser</source>
        <translation>Elegir el archivo del informe en un selector de archivos</translation>
    </message>
    <message>
        <source>Write the report and close (Enter)</source>
        <translation>Escribir el informe y cerrar (Intro)</translation>
    </message>
    <message>
        <source>Close without writing a report, or stop the report being written (Esc)</source>
        <translation>Cerrar sin escribir ningún informe, o detener el informe en curso (Esc)</translation>
    </message>
    <message>
        <source>Report progress</source>
        <translation>Progreso del informe</translation>
    </message>
    <message>
        <source>The page the report has reached, of how many</source>
        <translation>La página a la que ha llegado el informe, de cuántas</translation>
    </message>
    <message>
        <source>Pages written</source>
        <translation>Páginas escritas</translation>
    </message>
    <message>
        <source>How much of the report is written</source>
        <translation>Cuánto del informe está escrito</translation>
    </message>
</context>
<context>
    <name>RestoreVersionDialog</name>
    <message>
        <source>Restore Earlier Version</source>
        <translation>Restaurar versión anterior</translation>
    </message>
    <message>
        <source>Plumbline keeps your data as it was before each change. Choose a version and click Restore to make it your data again; Edit, Undo takes the restore back. Show opens a version&apos;s records in your spreadsheet program, and Save Records as CSV writes them to a file, without changing your data.</source>
        <translation>Plumbline guarda sus datos tal como estaban antes de cada cambio. Elija una versión y haga clic en Restaurar para que vuelvan a ser sus datos; Edición, Deshacer anula la restauración. Mostrar abre los registros de una versión en su programa de hojas de cálculo, y Guardar registros como CSV los escribe en un archivo, sin cambiar sus datos.</translation>
    </message>
    <message>
        <source>No earlier versions are kept yet: each change you make from now on keeps the state before it.</source>
        <translation>Aún no se guarda ninguna versión anterior: cada cambio que haga a partir de ahora guardará el estado previo.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Investments</source>
        <translation>Inversiones</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Kept versions</source>
        <translation>Versiones guardadas</translation>
    </message>
    <message>
        <source>Newest first: when each change was made, what it was, the investments and records that version holds, and which is current</source>
        <translation>La más reciente primero: cuándo se hizo cada cambio, en qué consistió, las inversiones y registros que contiene esa versión, y cuál es la actual</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>S&amp;how</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>&amp;Save Records as CSV…</source>
        <translation>&amp;Guardar registros como CSV…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Deshecho</translation>
    </message>
    <message>
        <source>Make the version of %1 your data again?<byte value="xd"/>
%2<byte value="xd"/>
Your data as it is now is kept: Edit, Undo brings it back.</source>
        <extracomment>%1 is the time of the version, %2 the change made then</extracomment>
        <translation>¿Volver a hacer de la versión del %1 sus datos?<byte value="xd"/>
%2<byte value="xd"/>
Sus datos tal como están ahora se guardan: Edición, Deshacer los recupera.</translation>
    </message>
    <message>
        <source>Save Records of the Version as CSV</source>
        <translation>Guardar registros de la versión como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The desktop has no program to show CSV files. Save Records as CSV writes the version&apos;s records to a file of your choice.</source>
        <translation>El escritorio no tiene ningún programa para mostrar archivos CSV. Guardar registros como CSV escribe los registros de la versión en el archivo que elija.</translation>
    </message>
</context>
<context>
    <name>Returns</name>
    <message>
        <source>no unique rate</source>
        <translation>no hay una tasa única</translation>
    </message>
    <message>
        <source>record %1 is dated before the record before it</source>
        <translation>el registro %1 tiene fecha anterior a la del registro previo</translation>
    </message>
    <message>
        <source>record %1 leaves no money in the investment to measure a return on</source>
        <translation>el registro %1 no deja dinero en la inversión sobre el que medir una rentabilidad</translation>
    </message>
    <message>
        <source>record %1 has no inflation rate</source>
        <translation>el registro %1 no tiene tasa de inflación</translation>
    </message>
    <message>
        <source>record %1 has an inflation rate at or below -100 %</source>
        <translation>el registro %1 tiene una tasa de inflación de -100 % o menos</translation>
    </message>
    <message>
        <source>fewer than two records with both amounts above zero</source>
        <translation>menos de dos registros con ambos importes por encima de cero</translation>
    </message>
    <message>
        <source>the records span less than a year</source>
        <translation>los registros abarcan menos de un año</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>%1 is the name of a price index</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>series %1</source>
        <translation>serie %1</translation>
    </message>
    <message>
        <source>no investment has figures of its own</source>
        <translation>ninguna inversión tiene cifras propias</translation>
    </message>
    <message>
        <source>no price index</source>
        <translation>no hay índice de precios</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>No return can be given: %1.</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>No se puede dar ninguna rentabilidad: %1.</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3, after inflation %4 in all (time-weighted); no figure per year: %5</source>
        <extracomment>%3 the return, %4 the return after inflation, %5 why there is no figure per year</extracomment>
        <translation>Desde %1 (%2 años): %3, real %4 en total (ponderada por el tiempo); sin cifra anual: %5</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 in all (time-weighted); no figure per year: %4; no figure after inflation: %5</source>
        <extracomment>%3 the return, %4 why there is no figure per year, %5 why there is none after inflation</extracomment>
        <translation>Desde %1 (%2 años): %3 en total (ponderada por el tiempo); sin cifra anual: %4; sin cifra real: %5</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 a year, after inflation %4 a year (time-weighted); money-weighted: %5</source>
        <extracomment>%3 and %4 returns a year before and after inflation, %5 why there is no money-weighted return</extracomment>
        <translation>Desde %1 (%2 años): %3 anual, real %4 anual (ponderada por el tiempo); ponderada por el capital: %5</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 a year, after inflation %4 a year (time-weighted); money-weighted %5 and %6</source>
        <extracomment>%3 and %4 time-weighted returns a year before and after inflation, %5 and %6 money-weighted ones</extracomment>
        <translation>Desde %1 (%2 años): %3 anual, real %4 anual (ponderada por el tiempo); ponderada por el capital %5 y %6</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 a year, after inflation %4 a year (time-weighted); money-weighted %5 (after inflation: %6)</source>
        <extracomment>%3 and %4 time-weighted returns a year before and after inflation, %5 the money-weighted one, %6 why there is none after inflation</extracomment>
        <translation>Desde %1 (%2 años): %3 anual, real %4 anual (ponderada por el tiempo); ponderada por el capital %5 (real: %6)</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 a year (time-weighted; no figure after inflation: %4); money-weighted: %5</source>
        <extracomment>%3 the return a year, %4 why there is none after inflation, %5 why there is no money-weighted one</extracomment>
        <translation>Desde %1 (%2 años): %3 anual (ponderada por el tiempo; sin cifra real: %4); ponderada por el capital: %5</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 a year (time-weighted; no figure after inflation: %4); money-weighted %5 and %6</source>
        <extracomment>%3 the time-weighted return a year, %4 why there is none after inflation, %5 and %6 money-weighted returns before and after inflation</extracomment>
        <translation>Desde %1 (%2 años): %3 anual (ponderada por el tiempo; sin cifra real: %4); ponderada por el capital %5 y %6</translation>
    </message>
    <message>
        <source>Since %1 (%2 years): %3 a year (time-weighted; no figure after inflation: %4); money-weighted %5</source>
        <extracomment>%3 the time-weighted return a year, %4 why there is none after inflation, %5 the money-weighted return</extracomment>
        <translation>Desde %1 (%2 años): %3 anual (ponderada por el tiempo; sin cifra real: %4); ponderada por el capital %5</translation>
    </message>
    <message>
        <source>All investments</source>
        <extracomment>Caption of the chart of the whole portfolio over time.</extracomment>
        <translation>Todas las inversiones</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Run-time error %1: %2</source>
        <extracomment>%1 is the error&apos;s number, %2 its description</extracomment>
        <translation>Error en tiempo de ejecución %1: %2</translation>
    </message>
    <message>
        <source>Error Number:%1<byte value="xd"/>
%2</source>
        <extracomment>The standard error box: %1 is the error&apos;s number (no blank before it), %2 its description</extracomment>
        <translation>Número de error:%1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Argumento o llamada a procedimiento no válida</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Error interno</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Nombre o número de archivo incorrecto</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>No se ha encontrado el archivo</translation>
    </message>
    <message>
        <source>Bad file mode</source>
        <translation>Modo de archivo incorrecto</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>El archivo ya está abierto</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Error de E/S en el dispositivo</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco lleno</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Se ha sobrepasado el final del archivo</translation>
    </message>
    <message>
        <source>Bad record number</source>
        <translation>Número de registro incorrecto</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Disk not ready</source>
        <translation>El disco no está preparado</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Error de acceso a ruta o archivo</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>No se ha encontrado la ruta</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Error definido por la aplicación o por el objeto</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndice fuera del intervalo</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Copy the two data files to a backup folder</source>
        <translation>Copiar los dos archivos de datos a una carpeta de copia de seguridad</translation>
    </message>
    <message>
        <source>Add a new investment record</source>
        <translation>Añadir un nuevo registro de inversión</translation>
    </message>
    <message>
        <source>Copy the type or institution of the investment</source>
        <translation>Copiar el tipo o la entidad de la inversión</translation>
    </message>
    <message>
        <source>Delete the shown investment and all of its data records</source>
        <translation>Eliminar la inversión mostrada y todos sus registros</translation>
    </message>
    <message>
        <source>Open the instructions (F1)</source>
        <translation>Abrir las instrucciones (F1)</translation>
    </message>
    <message>
        <source>Open the chart of the shown investment&apos;s amount against its amount adjusted for inflation (Ctrl+G)</source>
        <translation>Abrir el gráfico del importe de la inversión mostrada frente a su importe ajustado por inflación (Ctrl+G)</translation>
    </message>
    <message>
        <source>Open the returns of every investment and of all of them, nominal and after inflation (Ctrl+Shift+G)</source>
        <translation>Abrir la rentabilidad de cada inversión y de todas ellas, nominal y real (Ctrl+Mayús+G)</translation>
    </message>
    <message>
        <source>Toolbar button: %1</source>
        <extracomment>%1 says what the toolbar button does</extracomment>
        <translation>Botón de la barra de herramientas: %1</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Portfolio</source>
        <translation>Cartera</translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message>
        <source>Read the data folder &lt;dir&gt; instead of the program&apos;s own.</source>
        <translation>Leer la carpeta de datos &lt;dir&gt; en lugar de la del programa.</translation>
    </message>
    <message>
        <source>dir</source>
        <extracomment>A placeholder in the help for what is given after an option or the program&apos;s name; keep it as the descriptions call it (&quot;&lt;dir&gt;&quot;).</extracomment>
        <translation>dir</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>A placeholder in the help for what is given after an option or the program&apos;s name; keep it as the descriptions call it (&quot;&lt;name&gt;&quot;).</extracomment>
        <translation>nombre</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot; (see --help)</source>
        <translation>argumento inesperado «%1» (véase --help)</translation>
    </message>
    <message>
        <source>data folder &quot;%1&quot; does not exist</source>
        <translation>la carpeta de datos «%1» no existe</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: error %2: %3</source>
        <translation>«%1»: error %2: %3</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <source>there is no investment %1 in &quot;%2&quot; (it holds %3)</source>
        <translation>no existe la inversión %1 en «%2» (contiene %3)</translation>
    </message>
    <message>
        <source>error %1: %2</source>
        <translation>error %1: %2</translation>
    </message>
    <message>
        <source>type</source>
        <extracomment>A placeholder in the help for what is given after an option or the program&apos;s name; keep it as the descriptions call it (&quot;&lt;type&gt;&quot;).</extracomment>
        <translation>tipo</translation>
    </message>
    <message>
        <source>form</source>
        <extracomment>A placeholder in the help for what is given after an option or the program&apos;s name; keep it as the descriptions call it (&quot;&lt;form&gt;&quot;).</extracomment>
        <translation>forma</translation>
    </message>
    <message>
        <source>Use the data folder &lt;dir&gt; instead of the program&apos;s own.</source>
        <translation>Usar la carpeta de datos &lt;dir&gt; en lugar de la del programa.</translation>
    </message>
    <message>
        <source>command</source>
        <extracomment>A placeholder in the help for the first argument; the description under &quot;Arguments&quot; lists the commands.</extracomment>
        <translation>comando</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>A placeholder in the help for what is given after an option or the program&apos;s name; keep it as the descriptions call it (&quot;&lt;file&gt;&quot;).</extracomment>
        <translation>archivo</translation>
    </message>
</context>
<context>
    <name>Versions</name>
    <message>
        <source>Add Investment</source>
        <translation>Añadir inversión</translation>
    </message>
    <message>
        <source>Edit Investment</source>
        <translation>Editar inversión</translation>
    </message>
    <message>
        <source>Delete Investment</source>
        <translation>Eliminar inversión</translation>
    </message>
    <message>
        <source>Add Record</source>
        <translation>Añadir registro</translation>
    </message>
    <message>
        <source>Insert Record</source>
        <translation>Insertar registro</translation>
    </message>
    <message>
        <source>Edit Record</source>
        <translation>Editar registro</translation>
    </message>
    <message>
        <source>Delete Record</source>
        <translation>Eliminar registro</translation>
    </message>
    <message>
        <source>Import Records</source>
        <translation>Importar registros</translation>
    </message>
    <message>
        <source>Fill In Rates</source>
        <translation>Completar tasas</translation>
    </message>
    <message>
        <source>Restore Version</source>
        <translation>Restaurar versión</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurar copia de seguridad</translation>
    </message>
    <message>
        <source>Changes Made Outside Plumbline</source>
        <translation>Cambios hechos fuera de Plumbline</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;</source>
        <extracomment>%1 is the change, as &quot;Delete Investment&quot;, %2 the investment&apos;s name</extracomment>
        <translation>%1 &apos;%2&apos;</translation>
    </message>
    <message>
        <source>record %1 (%2)</source>
        <extracomment>%1 is a record&apos;s number, %2 its date</extracomment>
        <translation>registro %1 (%2)</translation>
    </message>
    <message>
        <source>a record (%1)</source>
        <translation>un registro (%1)</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>registro %1</translation>
    </message>
    <message>
        <source>a record</source>
        <translation>un registro</translation>
    </message>
    <message>
        <source>Added investment %1</source>
        <translation>Añadida la inversión %1</translation>
    </message>
    <message>
        <source>Changed investment %1</source>
        <translation>Cambiada la inversión %1</translation>
    </message>
    <message>
        <source>Deleted investment %1</source>
        <translation>Eliminada la inversión %1</translation>
    </message>
    <message>
        <source>Added %1 to %2</source>
        <extracomment>%1 is a record, as &quot;record 3 (1/2/2024)&quot;, %2 an investment</extracomment>
        <translation>Añadido %1 a %2</translation>
    </message>
    <message>
        <source>Inserted %1 into %2</source>
        <translation>Insertado %1 en %2</translation>
    </message>
    <message>
        <source>Changed %1 of %2</source>
        <translation>Cambiado %1 de %2</translation>
    </message>
    <message>
        <source>Deleted %1 of %2</source>
        <translation>Eliminado %1 de %2</translation>
    </message>
    <message>
        <source>Imported %1 record</source>
        <translation>Importado %1 registro</translation>
    </message>
    <message>
        <source>Imported %1 records</source>
        <translation>Importados %1 registros</translation>
    </message>
    <message>
        <source>Imported %1 record into %2</source>
        <extracomment>%1 is a count, %2 an investment</extracomment>
        <translation>Importado %1 registro en %2</translation>
    </message>
    <message>
        <source>Imported %1 records into %2</source>
        <translation>Importados %1 registros en %2</translation>
    </message>
    <message>
        <source>Filled in %1 rate</source>
        <translation>Completada %1 tasa</translation>
    </message>
    <message>
        <source>Filled in %1 rates</source>
        <translation>Completadas %1 tasas</translation>
    </message>
    <message>
        <source>Filled in %1 rate of %2</source>
        <extracomment>%1 is a count, %2 an investment</extracomment>
        <translation>Completada %1 tasa de %2</translation>
    </message>
    <message>
        <source>Filled in %1 rates of %2</source>
        <translation>Completadas %1 tasas de %2</translation>
    </message>
    <message>
        <source>Restored the version of %1</source>
        <extracomment>%1 is the time of the version</extracomment>
        <translation>Restaurada la versión del %1</translation>
    </message>
    <message>
        <source>Restored the backup in %1</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>Restaurada la copia de seguridad de %1</translation>
    </message>
    <message>
        <source>Changed outside Plumbline</source>
        <translation>Cambiado fuera de Plumbline</translation>
    </message>
    <message>
        <source>The version of %1 cannot be restored: its files were changed after it was kept, probably by an older copy of Plumbline writing to the data history.</source>
        <translation>No se puede restaurar la versión del %1: sus archivos cambiaron después de guardarse, probablemente porque una copia anterior de Plumbline escribió en el historial de datos.</translation>
    </message>
    <message>
        <source>There is no change to undo.</source>
        <translation>No hay ningún cambio que deshacer.</translation>
    </message>
    <message>
        <source>There is no change to redo.</source>
        <translation>No hay ningún cambio que rehacer.</translation>
    </message>
    <message>
        <source>There is no version %1.</source>
        <translation>No existe la versión %1.</translation>
    </message>
    <message>
        <source>The change &quot;%1&quot;, under way when Plumbline stopped, was made and is kept as a version.</source>
        <translation>El cambio «%1», en curso cuando Plumbline se detuvo, se ha hecho y se guarda como versión.</translation>
    </message>
    <message>
        <source>The change &quot;%1&quot;, under way when Plumbline stopped, was not made.</source>
        <translation>El cambio «%1», en curso cuando Plumbline se detuvo, no se ha hecho.</translation>
    </message>
    <message>
        <source>a link stands in its place</source>
        <translation>en su lugar hay un enlace</translation>
    </message>
    <message>
        <source>a file stands in its place</source>
        <translation>en su lugar hay un archivo</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>pertenece a otro usuario</translation>
    </message>
    <message>
        <source>its permissions are not the ones Plumbline gives it</source>
        <translation>sus permisos no son los que le da Plumbline</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for the versions of the data files cannot be created, so this change cannot be undone.</source>
        <translation>No se puede crear la carpeta «%1» para las versiones de los archivos de datos, así que este cambio no se podrá deshacer.</translation>
    </message>
    <message>
        <source>The folder of kept versions &quot;%1&quot; cannot be used (%2) and cannot be moved aside; changes are not kept as versions until it is removed.</source>
        <translation>No se puede usar la carpeta de versiones guardadas «%1» (%2) ni apartarla; los cambios no se guardan como versiones hasta que se elimine.</translation>
    </message>
    <message>
        <source>The folder of kept versions could not be used (%1). It was moved to &quot;%2&quot;, and versions are kept anew from now on.</source>
        <translation>No se ha podido usar la carpeta de versiones guardadas (%1). Se ha movido a «%2», y a partir de ahora las versiones se guardan de nuevo.</translation>
    </message>
    <message>
        <source>its entry &quot;%1&quot; cannot be read</source>
        <translation>no se puede leer su entrada «%1»</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>Restaurar desde copia de seguridad</translation>
    </message>
    <message>
        <source>%1 investment and no data records</source>
        <translation>%1 inversión y ningún registro</translation>
    </message>
    <message>
        <source>%1 investments and no data records</source>
        <translation>%1 inversiones y ningún registro</translation>
    </message>
    <message>
        <source>%1 investments and %2 data records, the newest dated %3</source>
        <extracomment>%1 and %2 are counts, %3 a date</extracomment>
        <translation>%1 inversiones y %2 registros, el más reciente del %3</translation>
    </message>
    <message>
        <source>%1 investment and %2 data record, the newest dated %3</source>
        <translation>%1 inversión y %2 registro, el más reciente del %3</translation>
    </message>
    <message>
        <source>%1 investment and %2 data records, the newest dated %3</source>
        <translation>%1 inversión y %2 registros, el más reciente del %3</translation>
    </message>
    <message>
        <source>%1 investments and %2 data record, the newest dated %3</source>
        <translation>%1 inversiones y %2 registro, el más reciente del %3</translation>
    </message>
    <message>
        <source>Choose the Folder of the Backup</source>
        <translation>Elegir la carpeta de la copia de seguridad</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the data folder Plumbline 3.5 works with, not a backup.<byte value="xd"/>
Choose the folder your backup copies are in.</source>
        <translation>«%1» es la carpeta de datos con la que trabaja Plumbline 3.5, no una copia de seguridad.<byte value="xd"/>
Elija la carpeta en la que están sus copias de seguridad.</translation>
    </message>
    <message>
        <source>The backup in &quot;%1&quot; cannot be restored:<byte value="xd"/>
%2<byte value="xd"/>
Your data files are unchanged.</source>
        <translation>No se puede restaurar la copia de seguridad de «%1»:<byte value="xd"/>
%2<byte value="xd"/>
Sus archivos de datos no han cambiado.</translation>
    </message>
    <message>
        <source>The backup in &quot;%1&quot; holds %2.<byte value="xd"/>
Make it your data? Your data as it is now is kept: Edit, Undo brings it back.</source>
        <translation>La copia de seguridad de «%1» contiene %2.<byte value="xd"/>
¿Convertirla en sus datos? Sus datos tal como están ahora se guardan: Edición, Deshacer los recupera.</translation>
    </message>
    <message>
        <source>Plumbline 3.5 could not check the earlier versions of your data it keeps:<byte value="xd"/>
%1<byte value="xd"/>
Your data files are unchanged. Undo may not be offered until this is put right.</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>Plumbline 3.5 no ha podido comprobar las versiones anteriores de sus datos que guarda:<byte value="xd"/>
%1<byte value="xd"/>
Sus archivos de datos no han cambiado. Puede que Deshacer no esté disponible hasta que se corrija.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <extracomment>%1 is the change, as &quot;Delete Investment &apos;Savings&apos;&quot;</extracomment>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <extracomment>%1 is the change, as &quot;Delete Investment &apos;Savings&apos;&quot;</extracomment>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>Restore Earlier &amp;Version…</source>
        <translation>Restaurar &amp;versión anterior…</translation>
    </message>
    <message>
        <source>Restore from Bac&amp;kup…</source>
        <translation>Restaurar desde copia de se&amp;guridad…</translation>
    </message>
    <message>
        <source>The records are not saved in the data folder; choose another folder.</source>
        <translation>Los registros no se guardan en la carpeta de datos; elija otra carpeta.</translation>
    </message>
    <message>
        <source>%1 (line %2 of the version&apos;s data records)</source>
        <extracomment>%1 is the reason, %2 a line number</extracomment>
        <translation>%1 (línea %2 de los registros de la versión)</translation>
    </message>
    <message>
        <source>before %1</source>
        <extracomment>Stands for %1 in &quot;The version of %1 cannot be restored&quot;; %1 here is a date and time.</extracomment>
        <translation>estado anterior al %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, record %2: the record is damaged.</source>
        <extracomment>%1 is the investment file, %2 a record&apos;s number.</extracomment>
        <translation>«%1», registro %2: el registro está dañado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, record %2: the record is cut short.</source>
        <extracomment>%1 is the investment file, %2 a record&apos;s number.</extracomment>
        <translation>«%1», registro %2: el registro está truncado.</translation>
    </message>
</context>
<context>
    <name>frmBackupFiles</name>
    <message>
        <source>Copy the two data files to another folder</source>
        <translation>Copiar los dos archivos de datos a otra carpeta</translation>
    </message>
    <message>
        <source>Which of the data files is being copied</source>
        <translation>Cuál de los archivos de datos se está copiando</translation>
    </message>
    <message>
        <source>Caption of the file being copied</source>
        <translation>Rótulo del archivo que se está copiando</translation>
    </message>
    <message>
        <source>File being copied</source>
        <translation>Archivo que se está copiando</translation>
    </message>
    <message>
        <source>The data file that is copied</source>
        <translation>El archivo de datos que se copia</translation>
    </message>
    <message>
        <source>Caption of the backup folder</source>
        <translation>Rótulo de la carpeta de copia de seguridad</translation>
    </message>
    <message>
        <source>Backup folder</source>
        <translation>Carpeta de copia de seguridad</translation>
    </message>
    <message>
        <source>Folder the copy is written to</source>
        <translation>Carpeta en la que se escribe la copia</translation>
    </message>
    <message>
        <source>Backup file name</source>
        <translation>Nombre del archivo de copia</translation>
    </message>
    <message>
        <source>Name of the copy in the backup folder</source>
        <translation>Nombre de la copia en la carpeta de copia de seguridad</translation>
    </message>
    <message>
        <source>Copy the file to the backup folder</source>
        <translation>Copiar el archivo a la carpeta de copia de seguridad</translation>
    </message>
    <message>
        <source>Close the backup window</source>
        <translation>Cerrar la ventana de copia de seguridad</translation>
    </message>
    <message>
        <source>Backup Data Files</source>
        <translation>Copia de seguridad de archivos de datos</translation>
    </message>
    <message>
        <source>Copying:</source>
        <translation>Copiando:</translation>
    </message>
    <message>
        <source>In (Path):</source>
        <translation>En (ruta):</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>The Investment Information file</source>
        <translation>El archivo de información de inversiones</translation>
    </message>
    <message>
        <source>There is no disk in the drive.<byte value="xd"/>
Please insert one and try again</source>
        <translation>No hay ningún disco en la unidad.<byte value="xd"/>
Inserte uno y vuelva a intentarlo</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.<byte value="xd"/>
Please type the path of an existing folder and try again.</source>
        <extracomment>%1 is the folder path the user typed</extracomment>
        <translation>La carpeta «%1» no existe.<byte value="xd"/>
Escriba la ruta de una carpeta existente y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The backup copy cannot be written over the program&apos;s own data file.<byte value="xd"/>
Please choose another folder.</source>
        <translation>La copia de seguridad no puede sobrescribir el archivo de datos del propio programa.<byte value="xd"/>
Elija otra carpeta.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is the program&apos;s own data folder; the backup copies cannot go there.<byte value="xd"/>
Please choose another folder.</source>
        <translation>La carpeta «%1» es la carpeta de datos del propio programa; las copias de seguridad no pueden ir ahí.<byte value="xd"/>
Elija otra carpeta.</translation>
    </message>
    <message>
        <source>The Investment Data file</source>
        <translation>El archivo de datos de inversiones</translation>
    </message>
</context>
<context>
    <name>frmEnterPassword</name>
    <message>
        <source>The program asks for its password</source>
        <translation>El programa pide su contraseña</translation>
    </message>
    <message>
        <source>What to type in the box</source>
        <translation>Qué escribir en el cuadro</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>The password of the program</source>
        <translation>La contraseña del programa</translation>
    </message>
    <message>
        <source>Check the password and open the program</source>
        <translation>Comprobar la contraseña y abrir el programa</translation>
    </message>
    <message>
        <source>Empty the password box</source>
        <translation>Vaciar el cuadro de la contraseña</translation>
    </message>
    <message>
        <source>End the program</source>
        <translation>Cerrar el programa</translation>
    </message>
    <message>
        <source>Please Enter Your Password</source>
        <translation>Introduzca su contraseña</translation>
    </message>
    <message>
        <source>&amp;Enter</source>
        <translation>&amp;Entrar</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>You have not entered a password. Please do so.</source>
        <translation>No ha introducido ninguna contraseña. Introdúzcala, por favor.</translation>
    </message>
    <message>
        <source>No Entry</source>
        <translation>Sin datos</translation>
    </message>
    <message>
        <source>Sorry, the password you&apos;ve entered is incorrect.</source>
        <translation>Lo sentimos, la contraseña introducida no es correcta.</translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>frmInstructions</name>
    <message>
        <source>How to use the program</source>
        <translation>Cómo usar el programa</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>The instructions; read them with the arrow keys</source>
        <translation>Las instrucciones; léalas con las teclas de flecha</translation>
    </message>
    <message>
        <source>Close the instructions</source>
        <translation>Cerrar las instrucciones</translation>
    </message>
    <message>
        <source>Files containing the Investment records and the Data records are kept in the program folder, C:\Program Files\Plumbline 3.5. They must stay there: if they are moved or renamed, Plumbline does not find them and starts again with new, empty files. To keep a copy of your data in a safe place, choose Backup Data Files from the File menu. The dialog first offers the main file, PlumblineData, to be copied to drive A unless you type another path; click Save to copy it, then Exit,
and the form changes to offer the file that holds all the Data records, PlDataHist.txt (the Data records of all your investments are kept together in this one text file). Again you may change the path; click Save, then Exit to leave the dialog.</source>
        <translation>Los archivos que contienen los registros de inversión y los registros de datos se guardan en la carpeta del programa, C:\Program Files\Plumbline 3.5. Deben quedarse ahí: si se mueven o se les cambia el nombre, Plumbline no los encuentra y vuelve a empezar con archivos nuevos y vacíos. Para guardar una copia de sus datos en un lugar seguro, elija Copia de seguridad de archivos de datos en el menú Archivo. El diálogo ofrece primero el archivo principal, PlumblineData, para copiarlo en la unidad A, salvo que escriba otra ruta; haga clic en Guardar para copiarlo y luego en Salir,
y el formulario pasa a ofrecer el archivo que contiene todos los registros de datos, PlDataHist.txt (los registros de datos de todas sus inversiones se guardan juntos en este único archivo de texto). De nuevo puede cambiar la ruta; haga clic en Guardar y luego en Salir para cerrar el diálogo.</translation>
    </message>
    <message>
        <source>Files containing the Investment records and the Data records are kept in the program&apos;s data folder, %1. They must stay there: if they are moved or renamed, Plumbline does not find them and starts again with new, empty files. To keep a copy of your data in a safe place, choose Backup Data Files from the File menu. The dialog first offers the main file, PlumblineData, to be copied to your home folder unless you type another path; click Save to copy it, then Exit,
and the form changes to offer the file that holds all the Data records, PlDataHist.txt (the Data records of all your investments are kept together in this one text file). Again you may change the path; click Save, then Exit to leave the dialog.</source>
        <extracomment>%1 is the path of the program&apos;s data folder</extracomment>
        <translation>Los archivos que contienen los registros de inversión y los registros de datos se guardan en la carpeta de datos del programa, %1. Deben quedarse ahí: si se mueven o se les cambia el nombre, Plumbline no los encuentra y vuelve a empezar con archivos nuevos y vacíos. Para guardar una copia de sus datos en un lugar seguro, elija Copia de seguridad de archivos de datos en el menú Archivo. El diálogo ofrece primero el archivo principal, PlumblineData, para copiarlo en su carpeta personal, salvo que escriba otra ruta; haga clic en Guardar para copiarlo y luego en Salir,
y el formulario pasa a ofrecer el archivo que contiene todos los registros de datos, PlDataHist.txt (los registros de datos de todas sus inversiones se guardan juntos en este único archivo de texto). De nuevo puede cambiar la ruta; haga clic en Guardar y luego en Salir para cerrar el diálogo.</translation>
    </message>
    <message>
        <source>PLUMBLINE 3.5  INSTRUCTIONS</source>
        <translation>PLUMBLINE 3.5  INSTRUCCIONES</translation>
    </message>
    <message>
        <source>Welcome to Plumbline 3.5. Before you enter any data, decide whether the program should be protected by a password. Choose Password from the File menu: there you can set a password that will be asked for every time Plumbline starts, change the password you already have, or tick No Password to turn the protection off.</source>
        <translation>Bienvenido a Plumbline 3.5. Antes de introducir ningún dato, decida si el programa debe protegerse con una contraseña. Elija Contraseña en el menú Archivo: ahí puede establecer una contraseña que se pedirá cada vez que se inicie Plumbline, cambiar la contraseña que ya tiene o marcar No para desactivar la protección.</translation>
    </message>
    <message>
        <source>The Plumbline 3.5 main form is divided into two main areas. Your investment records are shown, one at a time, in the yellow boxes at the top of the form, and the numeric records that belong to the investment shown are listed in the Data Grid below them. To create your first investment record, click the &apos;Add New&apos; button in the top group of buttons.</source>
        <translation>El formulario principal de Plumbline 3.5 se divide en dos zonas. Sus registros de inversión se muestran, de uno en uno, en los cuadros amarillos de la parte superior del formulario, y los registros numéricos de la inversión mostrada aparecen en la cuadrícula de datos que hay debajo. Para crear su primer registro de inversión, haga clic en el botón &apos;Nueva&apos; del grupo de botones superior.</translation>
    </message>
    <message>
        <source>The Investment entry form will appear, ready for you to type in the TYPE OF INVESTMENT: for example a mutual fund, a stock, a bond, a CD or a savings account. This is the one box that must be filled in; if you click Done while it is empty, Plumbline asks you to make an entry.</source>
        <translation>Aparecerá el formulario de inversión, listo para que escriba el TIPO DE INVERSIÓN: por ejemplo, un fondo de inversión, una acción, un bono, un depósito a plazo o una cuenta de ahorro. Es el único cuadro que hay que rellenar; si hace clic en Aceptar mientras está vacío, Plumbline le pide que escriba algo.</translation>
    </message>
    <message>
        <source>Tab over to the INSTITUTION box and type the name of the bank, broker or fund company that holds the investment. This box is optional and may be left empty. Click Done or press the Enter key to save the record; you are taken back to the main form, which now shows your new investment at the top.</source>
        <translation>Pase con el tabulador al cuadro ENTIDAD y escriba el nombre del banco, el bróker o la gestora que tiene la inversión. Este cuadro es opcional y puede quedar vacío. Haga clic en Aceptar o pulse Intro para guardar el registro; volverá al formulario principal, que ahora muestra arriba su nueva inversión.</translation>
    </message>
    <message>
        <source>Now go down to the buttons on the bottom of the form and click &apos;Add New&apos; to create the first Data record of this investment. In the DATE box type the date of the record, or just press the Tab key and today&apos;s date is entered for you. In the ORIGINAL AMOUNT box type the amount you invested. Never type commas into any of the amount boxes: the commas are inserted automatically. Leave the INFLATION RATE box empty in this first record. In the CURRENT AMOUNT box type what the investment is worth now; for a new investment you may simply copy the original amount into it. Every box except the inflation rate must be filled in.</source>
        <translation>Ahora baje a los botones de la parte inferior del formulario y haga clic en &apos;Añadir&apos; para crear el primer registro de datos de esta inversión. En el cuadro FECHA escriba la fecha del registro, o simplemente pulse el tabulador y se introducirá la fecha de hoy. En el cuadro IMPORTE ORIGINAL escriba el importe que invirtió. No escriba nunca separadores de miles en los cuadros de importes: se insertan automáticamente. Deje vacío el cuadro TASA DE INFLACIÓN en este primer registro. En el cuadro IMPORTE ACTUAL escriba lo que vale ahora la inversión; para una inversión nueva puede copiar en él el importe original. Hay que rellenar todos los cuadros salvo la tasa de inflación.</translation>
    </message>
    <message>
        <source>This is the way we suggest you start Plumbline with every investment. The first record is the starting point: there is no earlier record and so no interval yet for an inflation rate to cover, which is why none is entered. Click Done to save the record and return to the main form.</source>
        <translation>Así es como le recomendamos empezar en Plumbline cada inversión. El primer registro es el punto de partida: no hay ningún registro anterior y, por tanto, aún no hay ningún período que deba cubrir una tasa de inflación, por eso no se introduce ninguna. Haga clic en Aceptar para guardar el registro y volver al formulario principal.</translation>
    </message>
    <message>
        <source>It is in the Data Grid where you can see the figures Plumbline works out for each record. In the first record every figure beyond the values you entered is zero, as there is nothing yet to compare with. When you add later records, each with a new current amount and the inflation rate for the interval since the record before, the grid shows how the investment has done, including the figures adjusted for inflation (AFI). If prices fell during an interval, enter the deflation rate as a negative number.</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>En la cuadrícula de datos puede ver las cifras que Plumbline calcula para cada registro. En el primer registro, todas las cifras aparte de los valores introducidos son cero, ya que aún no hay nada con que comparar. Cuando añada registros posteriores, cada uno con un nuevo importe actual y la tasa de inflación del período transcurrido desde el registro anterior, la cuadrícula muestra cómo le ha ido a la inversión, incluidas las cifras ajustadas por inflación (AJ. INFL.). Si los precios bajaron durante un período, introduzca la tasa de deflación como número negativo.</translation>
    </message>
    <message>
        <source>When creating new records for an investment, it is best to make them at regular intervals, such as once a year, once a quarter or once a month, so that each record covers a period for which an inflation rate is published. Such rates are published by the government&apos;s statistics office (in the United States the Bureau of Labor Statistics, with its Consumer Price Index) and can be found in newspapers, in libraries and on the Internet.</source>
        <translation>Al crear registros nuevos para una inversión, lo mejor es hacerlo a intervalos regulares, como una vez al año, al trimestre o al mes, de modo que cada registro abarque un período para el que se publique una tasa de inflación. Estas tasas las publica la oficina estadística del gobierno (en España, el Instituto Nacional de Estadística, con su índice de precios al consumo) y se encuentran en la prensa, en las bibliotecas y en Internet.</translation>
    </message>
    <message>
        <source>If you&apos;ve had an investment for several years, you can enter its history one year at a time. For each following year type the date one year after the previous record, leave the original amount as it was unless you added money to the investment or took some out, type the new current amount, and type the inflation rate for that interval. We recommend intervals that run from January to January.</source>
        <translation>Si tiene una inversión desde hace varios años, puede introducir su historial año por año. Para cada año siguiente, escriba la fecha un año posterior al registro anterior, deje el importe original como estaba salvo que haya aportado o retirado dinero, escriba el nuevo importe actual y escriba la tasa de inflación de ese período. Recomendamos períodos que vayan de enero a enero.</translation>
    </message>
    <message>
        <source>Notice that the INC/DEC number shows how much the current amount has gone up or down since the previous record; a decrease is shown in brackets. PROFIT/LOSS is the difference between the current amount and the original amount. INFLATION RATE is the rate you entered for the interval, and LOSS TO INFLATION is the part of the investment&apos;s value that inflation took away during that interval; when there was deflation it is negative, which means a gain.</source>
        <extracomment>INC/DEC = increase/decrease; the words in capitals are the Data Grid&apos;s column headings</extracomment>
        <translation>Observe que la cifra AUM./DISM. muestra cuánto ha subido o bajado el importe actual desde el registro anterior; una disminución se muestra entre paréntesis. GANANCIA/PÉRDIDA es la diferencia entre el importe actual y el importe original. TASA DE INFLACIÓN es la tasa que introdujo para el período, y PÉRDIDA POR INFLACIÓN es la parte del valor de la inversión que se llevó la inflación durante ese período; cuando hubo deflación es negativa, lo que significa una ganancia.</translation>
    </message>
    <message>
        <source>The next figure, CURRENT AMOUNT AFI, is the current amount adjusted for inflation: what the investment is really worth in the money of the first record, after all the inflation since then. PROFIT/LOSS AFI is the profit or loss counted in those adjusted amounts. A detailed explanation of the calculations is given in a separate explanation document in the program folder: %1.</source>
        <extracomment>AFI = adjusted for inflation; %1 is the path of the explanation document</extracomment>
        <translation>La siguiente cifra, IMPORTE ACTUAL AJ. INFL., es el importe actual ajustado por inflación: lo que vale realmente la inversión en dinero del primer registro, tras toda la inflación desde entonces. GANANCIA/PÉRDIDA AJ. INFL. es la ganancia o pérdida contada en esos importes ajustados. En un documento aparte, en la carpeta del programa, se explican los cálculos en detalle: %1.</translation>
    </message>
    <message>
        <source>You can edit the basic information of an investment with the Edit button in the top group of buttons, and delete the investment with the Delete button beside it. Data records can be edited and deleted too. Take care: deleting an investment record deletes all of its Data records as well.</source>
        <translation>Puede editar los datos básicos de una inversión con el botón Editar del grupo de botones superior, y eliminar la inversión con el botón Eliminar que hay al lado. Los registros de datos también se pueden editar y eliminar. Atención: al eliminar un registro de inversión se eliminan también todos sus registros de datos.</translation>
    </message>
    <message>
        <source>To edit or delete a Data record, click Edit or Del Rec in the lower group of buttons, then click the box next to them; it takes the focus and turns blue. Pick the number of the record you want from the list that drops down.</source>
        <translation>Para editar o eliminar un registro de datos, haga clic en Editar o Borrar en el grupo de botones inferior y luego en el cuadro que hay junto a ellos; este recibe el foco y se vuelve azul. Elija el número del registro que desee en la lista desplegable.</translation>
    </message>
    <message>
        <source>You can insert a new record within a group of Data records. Click Ins New, then choose from the drop-down list the record after which the new one is to come, and fill in the form as for any new record.</source>
        <translation>Puede insertar un registro nuevo dentro de un grupo de registros de datos. Haga clic en Insertar, elija en la lista desplegable el registro tras el cual irá el nuevo y rellene el formulario como para cualquier registro nuevo.</translation>
    </message>
    <message>
        <source>You can also get a printout of your figures. Print prints one page of the Data Grid at a time, the page that is on the screen. When an investment has more records than fit on one page, PREVIOUS and NEXT page links appear to the right of the page number; move to the page you want and click Print again.</source>
        <translation>También puede imprimir sus cifras. Imprimir imprime una página de la cuadrícula de datos cada vez, la que está en pantalla. Cuando una inversión tiene más registros de los que caben en una página, aparecen los enlaces ANTERIOR y SIGUIENTE a la derecha del número de página; vaya a la página que desee y vuelva a hacer clic en Imprimir.</translation>
    </message>
    <message>
        <source>Plumbline 3.5 Instructions</source>
        <translation>Instrucciones de Plumbline 3.5</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>frmInvestData</name>
    <message>
        <source>Investments and their data records with the figures computed against inflation</source>
        <translation>Las inversiones y sus registros con las cifras calculadas frente a la inflación</translation>
    </message>
    <message>
        <source>Caption of the investment record number</source>
        <translation>Rótulo del número de registro de inversión</translation>
    </message>
    <message>
        <source>Number of the investment shown</source>
        <translation>Número de la inversión mostrada</translation>
    </message>
    <message>
        <source>Type of investment</source>
        <translation>Tipo de inversión</translation>
    </message>
    <message>
        <source>Type of the investment shown; select it and use Edit, Copy to copy it</source>
        <translation>Tipo de la inversión mostrada; selecciónelo y use Edición, Copiar para copiarlo</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Entidad</translation>
    </message>
    <message>
        <source>Institution that holds the investment shown; select it and use Edit, Copy to copy it</source>
        <translation>Entidad de la inversión mostrada; selecciónela y use Edición, Copiar para copiarla</translation>
    </message>
    <message>
        <source>Show the first investment</source>
        <translation>Mostrar la primera inversión</translation>
    </message>
    <message>
        <source>Previous investment</source>
        <translation>Inversión anterior</translation>
    </message>
    <message>
        <source>Show the investment before this one</source>
        <translation>Mostrar la inversión anterior a esta</translation>
    </message>
    <message>
        <source>Next investment</source>
        <translation>Inversión siguiente</translation>
    </message>
    <message>
        <source>Show the investment after this one</source>
        <translation>Mostrar la inversión posterior a esta</translation>
    </message>
    <message>
        <source>Show the last investment</source>
        <translation>Mostrar la última inversión</translation>
    </message>
    <message>
        <source>Add new investment</source>
        <translation>Añadir inversión nueva</translation>
    </message>
    <message>
        <source>Add a new investment record</source>
        <translation>Añadir un nuevo registro de inversión</translation>
    </message>
    <message>
        <source>Edit investment</source>
        <translation>Editar inversión</translation>
    </message>
    <message>
        <source>Edit the type and institution of the investment shown</source>
        <translation>Editar el tipo y la entidad de la inversión mostrada</translation>
    </message>
    <message>
        <source>Delete investment</source>
        <translation>Eliminar inversión</translation>
    </message>
    <message>
        <source>Delete the investment shown and all of its data records</source>
        <translation>Eliminar la inversión mostrada y todos sus registros</translation>
    </message>
    <message>
        <source>Column heading: data record number</source>
        <translation>Encabezado de columna: número de registro</translation>
    </message>
    <message>
        <source>Column heading: date of the data record</source>
        <translation>Encabezado de columna: fecha del registro</translation>
    </message>
    <message>
        <source>Column heading: original amount</source>
        <translation>Encabezado de columna: importe original</translation>
    </message>
    <message>
        <source>Column heading: current amount</source>
        <translation>Encabezado de columna: importe actual</translation>
    </message>
    <message>
        <source>Column heading: increase or decrease since the previous record</source>
        <translation>Encabezado de columna: aumento o disminución desde el registro anterior</translation>
    </message>
    <message>
        <source>Column heading: profit or loss</source>
        <translation>Encabezado de columna: ganancia o pérdida</translation>
    </message>
    <message>
        <source>Column heading: inflation rate in percent</source>
        <translation>Encabezado de columna: tasa de inflación en porcentaje</translation>
    </message>
    <message>
        <source>Column heading: loss to inflation</source>
        <translation>Encabezado de columna: pérdida por inflación</translation>
    </message>
    <message>
        <source>Column heading: current amount adjusted for inflation</source>
        <translation>Encabezado de columna: importe actual ajustado por inflación</translation>
    </message>
    <message>
        <source>Column heading: profit or loss adjusted for inflation</source>
        <translation>Encabezado de columna: ganancia o pérdida ajustada por inflación</translation>
    </message>
    <message>
        <source>Caption of the page number</source>
        <translation>Rótulo del número de página</translation>
    </message>
    <message>
        <source>Number of the grid page shown</source>
        <translation>Número de la página de la cuadrícula mostrada</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Show the previous twelve data records (Page Up)</source>
        <translation>Mostrar los doce registros anteriores (Re Pág)</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Show the next twelve data records (Page Down)</source>
        <translation>Mostrar los doce registros siguientes (Av Pág)</translation>
    </message>
    <message>
        <source>Add new data record</source>
        <translation>Añadir registro nuevo</translation>
    </message>
    <message>
        <source>Add a data record at the end of this investment&apos;s records</source>
        <translation>Añadir un registro al final de los registros de esta inversión</translation>
    </message>
    <message>
        <source>Insert data record</source>
        <translation>Insertar registro</translation>
    </message>
    <message>
        <source>Insert a data record before the one chosen in the record list</source>
        <translation>Insertar un registro antes del elegido en la lista de registros</translation>
    </message>
    <message>
        <source>Delete data record</source>
        <translation>Eliminar registro</translation>
    </message>
    <message>
        <source>Delete the data record chosen in the record list</source>
        <translation>Eliminar el registro elegido en la lista de registros</translation>
    </message>
    <message>
        <source>Data record number</source>
        <translation>Número de registro</translation>
    </message>
    <message>
        <source>Choose the data record to edit, insert before or delete</source>
        <translation>Elegir el registro que editar, antes del cual insertar o que eliminar</translation>
    </message>
    <message>
        <source>Edit data record</source>
        <translation>Editar registro</translation>
    </message>
    <message>
        <source>Edit the data record chosen in the record list</source>
        <translation>Editar el registro elegido en la lista de registros</translation>
    </message>
    <message>
        <source>Print the page of the grid that is on screen</source>
        <translation>Imprimir la página de la cuadrícula que está en pantalla</translation>
    </message>
    <message>
        <source>Close the data files and end the program (Ctrl+Q)</source>
        <translation>Cerrar los archivos de datos y salir del programa (Ctrl+Q)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Backup, password and exit</source>
        <translation>Copia de seguridad, contraseña y salir</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Copy the type or institution of the investment</source>
        <translation>Copiar el tipo o la entidad de la inversión</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Instructions (F1)</source>
        <translation>Instrucciones (F1)</translation>
    </message>
    <message>
        <source>Data Rec</source>
        <extracomment>Data Rec = data record number</extracomment>
        <translation>N.º reg.</translation>
    </message>
    <message>
        <source>Number of the data record within its investment</source>
        <translation>Número del registro dentro de su inversión</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Grid heading: the data record&apos;s date</extracomment>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Date of the data record</source>
        <translation>Fecha del registro</translation>
    </message>
    <message>
        <source>Original Amount</source>
        <translation>Importe original</translation>
    </message>
    <message>
        <source>Amount originally invested</source>
        <translation>Importe invertido originalmente</translation>
    </message>
    <message>
        <source>Current Amount</source>
        <translation>Importe actual</translation>
    </message>
    <message>
        <source>Current amount on this date</source>
        <translation>Importe actual en esta fecha</translation>
    </message>
    <message>
        <source>Inc/Dec</source>
        <extracomment>Inc/Dec = increase or decrease
----------
Grid heading: increase or decrease since the previous record</extracomment>
        <translation>Aum./dism.</translation>
    </message>
    <message>
        <source>Increase or decrease since the previous record</source>
        <translation>Aumento o disminución desde el registro anterior</translation>
    </message>
    <message>
        <source>Profit/Loss</source>
        <extracomment>Grid heading: profit or loss</extracomment>
        <translation>Gan./pérd.</translation>
    </message>
    <message>
        <source>Current amount less original amount</source>
        <translation>Importe actual menos importe original</translation>
    </message>
    <message>
        <source>Inflation Rate (%)</source>
        <translation>Tasa de inflación (%)</translation>
    </message>
    <message>
        <source>Inflation rate in percent since the previous record</source>
        <translation>Tasa de inflación en porcentaje desde el registro anterior</translation>
    </message>
    <message>
        <source>Loss To Inflation</source>
        <translation>Pérdida por inflación</translation>
    </message>
    <message>
        <source>What inflation took from the amount since the previous record</source>
        <translation>Lo que la inflación se llevó del importe desde el registro anterior</translation>
    </message>
    <message>
        <source>Current Amount AFI</source>
        <extracomment>AFI = adjusted for inflation</extracomment>
        <translation>Importe actual aj. infl.</translation>
    </message>
    <message>
        <source>Current amount adjusted for inflation</source>
        <translation>Importe actual ajustado por inflación</translation>
    </message>
    <message>
        <source>Profit/Loss AFI</source>
        <extracomment>AFI = adjusted for inflation
----------
Grid heading; AFI = adjusted for inflation</extracomment>
        <translation>G/P aj. infl.</translation>
    </message>
    <message>
        <source>Profit or loss adjusted for inflation</source>
        <translation>Ganancia o pérdida ajustada por inflación</translation>
    </message>
    <message>
        <source>&amp;Import Price Index…</source>
        <translation>Importar índice de &amp;precios…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Price &amp;Index…</source>
        <translation>Índice de &amp;precios…</translation>
    </message>
    <message>
        <source>About Plumbline…</source>
        <translation>Acerca de Plumbline…</translation>
    </message>
    <message>
        <source>Are you sure you want to Delete this record?<byte value="xd"/>
If you delete it, all the corresponding records<byte value="xd"/>
In it&apos;s data file will be<byte value="xd"/>
deleted too.</source>
        <translation>¿Seguro que desea eliminar este registro?<byte value="xd"/>
Si lo elimina, también se eliminarán<byte value="xd"/>
todos los registros correspondientes<byte value="xd"/>
de su archivo de datos.</translation>
    </message>
    <message>
        <source>There is no disk in the drive.<byte value="xd"/>
Please insert one and try again</source>
        <translation>No hay ningún disco en la unidad.<byte value="xd"/>
Inserte uno y vuelva a intentarlo</translation>
    </message>
    <message>
        <source>The investment delete could not be completed. Plumbline 3.5 completes it when it starts next time, and ends now.</source>
        <translation>No se ha podido completar la eliminación de la inversión. Plumbline 3.5 la completará la próxima vez que se inicie, y ahora se cierra.</translation>
    </message>
    <message>
        <source>The data record&apos;s values could not be read.</source>
        <translation>No se han podido leer los valores del registro.</translation>
    </message>
    <message>
        <source>Investment Record #:</source>
        <translation>Inversión n.º:</translation>
    </message>
    <message>
        <source>&amp;First</source>
        <extracomment>The buttons of the top row go through the investments; &quot;&amp;&quot; marks the access key</extracomment>
        <translation>&amp;Primera</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>Anteri&amp;or</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Si&amp;gte.</translation>
    </message>
    <message>
        <source>&amp;Last</source>
        <translation>Ú&amp;ltima</translation>
    </message>
    <message>
        <source>Add &amp;New</source>
        <extracomment>Adds a new investment (the data records&apos; button below is &quot;&amp;Add New&quot;)</extracomment>
        <translation>N&amp;ueva</translation>
    </message>
    <message>
        <source>Edi&amp;t</source>
        <extracomment>Edits the investment shown</extracomment>
        <translation>Edi&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <extracomment>Deletes the investment shown with its data records</extracomment>
        <translation>Eli&amp;minar</translation>
    </message>
    <message>
        <source>Page</source>
        <extracomment>Caption before the number of the grid page shown</extracomment>
        <translation>Pág.</translation>
    </message>
    <message>
        <source>Previous</source>
        <extracomment>Link to the grid&apos;s previous page</extracomment>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Link to the grid&apos;s next page</extracomment>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <extracomment>Adds a data record at the end of the investment&apos;s data</extracomment>
        <translation>Añadi&amp;r</translation>
    </message>
    <message>
        <source>&amp;Ins New</source>
        <extracomment>Short for &quot;Insert New&quot;: inserts a data record after the one chosen</extracomment>
        <translation>I&amp;nsertar</translation>
    </message>
    <message>
        <source>Del &amp;Rec</source>
        <extracomment>Short for &quot;Delete Record&quot;: deletes the data record chosen</extracomment>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <extracomment>Edits the data record chosen</extracomment>
        <translation>E&amp;ditar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Data</source>
        <extracomment>Grid heading, top line over &quot;Rec&quot; (the data record&apos;s number)</extracomment>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Rec</source>
        <extracomment>Grid heading: the data record&apos;s number (abbreviation of &quot;Record&quot;), under &quot;Data&quot;</extracomment>
        <translation>Reg.</translation>
    </message>
    <message>
        <source>Original</source>
        <extracomment>Grid heading, top line of &quot;Original Amount&quot;</extracomment>
        <translation>Original</translation>
    </message>
    <message>
        <source>Amount</source>
        <extracomment>Grid heading, bottom line of &quot;Original Amount&quot; and of &quot;Current Amount&quot;</extracomment>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Current</source>
        <extracomment>Grid heading, top line of &quot;Current Amount&quot; and of &quot;Current Amount AFI&quot;</extracomment>
        <translation>Actual</translation>
    </message>
    <message>
        <source>Inflation</source>
        <extracomment>Grid heading, top line of &quot;Inflation Rate (%)&quot; and bottom line of &quot;Loss To Inflation&quot;</extracomment>
        <translation>Inflación</translation>
    </message>
    <message>
        <source>Rate (%)</source>
        <extracomment>Grid heading, bottom line of &quot;Inflation Rate (%)&quot;</extracomment>
        <translation>Tasa (%)</translation>
    </message>
    <message>
        <source>Loss To</source>
        <extracomment>Grid heading, top line of &quot;Loss To Inflation&quot;</extracomment>
        <translation>Pérdida por</translation>
    </message>
    <message>
        <source>Amount AFI</source>
        <extracomment>Grid heading, bottom line of &quot;Current Amount AFI&quot;; AFI = adjusted for inflation</extracomment>
        <translation>Aj. infl.</translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot; cannot be created.<byte value="xd"/>
Plumbline 3.5 cannot run without it and ends now.</source>
        <extracomment>%1 is the data folder&apos;s path</extracomment>
        <translation>No se puede crear la carpeta de datos «%1».<byte value="xd"/>
Plumbline 3.5 no puede funcionar sin ella y se cierra.</translation>
    </message>
    <message>
        <source>The investment file &quot;%1&quot; in the data folder &quot;%2&quot; cannot be opened:<byte value="xd"/>
%3<byte value="xd"/>
Plumbline 3.5 cannot run without it and ends now.</source>
        <extracomment>%1 is the investment file&apos;s name, %2 the data folder&apos;s path, %3 the error&apos;s description</extracomment>
        <translation>No se puede abrir el archivo de inversiones «%1» de la carpeta de datos «%2»:<byte value="xd"/>
%3<byte value="xd"/>
Plumbline 3.5 no puede funcionar sin él y se cierra.</translation>
    </message>
    <message>
        <source>Plumbline 3.5 is already running and using the data folder &quot;%1&quot;.<byte value="xd"/>
Only one copy of the program can use it at a time; this copy ends now.</source>
        <extracomment>%1 is the data folder&apos;s path</extracomment>
        <translation>Plumbline 3.5 ya se está ejecutando y usa la carpeta de datos «%1».<byte value="xd"/>
Solo una copia del programa puede usarla a la vez; esta copia se cierra.</translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot; cannot be used: &quot;%2&quot; there is a folder, where Plumbline 3.5 keeps the file that shows it is running.<byte value="xd"/>
Move or rename that folder. Plumbline 3.5 ends now.</source>
        <extracomment>%1 is the data folder&apos;s path, %2 the lock file&apos;s name</extracomment>
        <translation>No se puede usar la carpeta de datos «%1»: «%2» es ahí una carpeta, donde Plumbline 3.5 guarda el archivo que indica que se está ejecutando.<byte value="xd"/>
Mueva esa carpeta o cámbiele el nombre. Plumbline 3.5 se cierra.</translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot; cannot be used: the lock file &quot;%2&quot; cannot be written there.<byte value="xd"/>
Plumbline 3.5 cannot run without it and ends now.</source>
        <extracomment>%1 is the data folder&apos;s path, %2 the lock file&apos;s name</extracomment>
        <translation>No se puede usar la carpeta de datos «%1»: no se puede escribir en ella el archivo de bloqueo «%2».<byte value="xd"/>
Plumbline 3.5 no puede funcionar sin él y se cierra.</translation>
    </message>
    <message>
        <source>Investment Data History information cannot be displayed<byte value="xd"/>
because the Data History file doesn&apos;t exist yet.<byte value="xd"/>
(No information has been entered.)</source>
        <translation>No se puede mostrar la información del historial de datos de la inversión<byte value="xd"/>
porque el archivo del historial de datos aún no existe.<byte value="xd"/>
(No se ha introducido ninguna información.)</translation>
    </message>
    <message>
        <source>Sorry, you can&apos;t edit or create a new record from the data grid. If you want to edit a record,<byte value="xd"/>
click on &apos;Edit&apos; and choose the record you want to change from the drop down box<byte value="xd"/>
next to it. If you want to create a new record, click on &apos;Add New&apos;.</source>
        <translation>Lo sentimos, no se puede editar ni crear un registro desde la cuadrícula de datos. Si desea editar un registro,<byte value="xd"/>
haga clic en &apos;Editar&apos; y elija el registro que desea cambiar en la lista desplegable<byte value="xd"/>
que hay al lado. Si desea crear un registro nuevo, haga clic en &apos;Añadir&apos;.</translation>
    </message>
    <message>
        <source>Plumbline 3.5 was interrupted while it changed its data files, and what it left in the data folder &quot;%1&quot; cannot be set aside:<byte value="xd"/>
%2<byte value="xd"/>
Nothing was deleted. Plumbline 3.5 ends now.</source>
        <extracomment>%1 is the data folder&apos;s path, %2 the error&apos;s description</extracomment>
        <translation>Plumbline 3.5 se interrumpió mientras cambiaba sus archivos de datos, y lo que dejó en la carpeta de datos «%1» no se puede apartar:<byte value="xd"/>
%2<byte value="xd"/>
No se ha eliminado nada. Plumbline 3.5 se cierra.</translation>
    </message>
    <message>
        <source>%1 (%2 bytes): %3</source>
        <extracomment>One file set aside: %1 its name, %2 its size in bytes, %3 what it holds</extracomment>
        <translation>%1 (%2 bytes): %3</translation>
    </message>
    <message>
        <source>Plumbline 3.5 was interrupted while it changed its data files, and the files it left may hold data that &quot;%1&quot; and &quot;%2&quot; do not.</source>
        <extracomment>%1 and %2 are the names of the two data files</extracomment>
        <translation>Plumbline 3.5 se interrumpió mientras cambiaba sus archivos de datos, y los archivos que dejó pueden contener datos que «%1» y «%2» no tienen.</translation>
    </message>
    <message>
        <source>Plumbline 3.5 was interrupted while it deleted an investment.<byte value="xd"/>
%1</source>
        <extracomment>%1 is a sentence on what became of the interrupted delete</extracomment>
        <translation>Plumbline 3.5 se interrumpió mientras eliminaba una inversión.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Plumbline 3.5 now goes on without data files. To have your data back as it was, restore the data folder from a backup.</source>
        <translation>Plumbline 3.5 continúa ahora sin archivos de datos. Para recuperar sus datos tal como estaban, restaure la carpeta de datos desde una copia de seguridad.</translation>
    </message>
    <message>
        <source>Plumbline 3.5 now goes on with the data files as they are.</source>
        <translation>Plumbline 3.5 continúa ahora con los archivos de datos tal como están.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
Nothing was deleted: they were moved into the folder &quot;%2&quot;:<byte value="xd"/>
%3<byte value="xd"/>
%4</source>
        <extracomment>%1 is the opening sentence above, %2 the folder&apos;s path, %3 the list of files, one a line, %4 the closing sentence</extracomment>
        <translation>%1<byte value="xd"/>
No se ha eliminado nada: se han movido a la carpeta «%2»:<byte value="xd"/>
%3<byte value="xd"/>
%4</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Backup Data Files</source>
        <translation>&amp;Copia de seguridad de archivos de datos</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>Contrase&amp;ña</translation>
    </message>
    <message>
        <source>&amp;Report…</source>
        <translation>&amp;Informe…</translation>
    </message>
    <message>
        <source>E&amp;dit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Chart…</source>
        <translation>&amp;Gráfico…</translation>
    </message>
    <message>
        <source>P&amp;ortfolio…</source>
        <translation>C&amp;artera…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instrucciones</translation>
    </message>
    <message>
        <source>Backup Copies</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>New Investment Record</source>
        <translation>Nueva inversión</translation>
    </message>
    <message>
        <source>Copy Investment Info</source>
        <extracomment>Tooltip: copies the investment&apos;s type and institution</extracomment>
        <translation>Copiar datos de la inversión</translation>
    </message>
    <message>
        <source>Delete Investment Record</source>
        <translation>Eliminar inversión</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Portfolio</source>
        <translation>Cartera</translation>
    </message>
    <message>
        <source>Print Investment Data History</source>
        <translation>Imprimir historial de datos de la inversión</translation>
    </message>
    <message>
        <source>Printout has been canceled</source>
        <translation>Se ha cancelado la impresión</translation>
    </message>
    <message>
        <source>Pg %1</source>
        <extracomment>Printed under the rows: &quot;Pg&quot; = page, %1 the number of the grid page printed</extracomment>
        <translation>Pág. %1</translation>
    </message>
    <message>
        <source>Investment Record %1:  %2  %3</source>
        <extracomment>Printed title: %1 the investment&apos;s number with a blank each side, %2 its type, %3 its institution</extracomment>
        <translation>Registro de inversión %1:  %2  %3</translation>
    </message>
    <message>
        <source>Profit/</source>
        <extracomment>Printed column heading, top line of &quot;Profit/Loss&quot; and of &quot;Profit/Loss AFI&quot;</extracomment>
        <translation>Ganancia/</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>Printed column heading: the data record&apos;s number</extracomment>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Loss</source>
        <extracomment>Printed column heading, bottom line of &quot;Profit/Loss&quot;</extracomment>
        <translation>Pérdida</translation>
    </message>
    <message>
        <source>Amnt AFI</source>
        <extracomment>Printed column heading under &quot;Current&quot;: amount adjusted for inflation</extracomment>
        <translation>Aj. infl.</translation>
    </message>
    <message>
        <source>Loss AFI</source>
        <extracomment>Printed column heading under &quot;Profit/&quot;: loss adjusted for inflation</extracomment>
        <translation>Pérd.aj.infl.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this data record?</source>
        <translation>¿Seguro que desea eliminar este registro?</translation>
    </message>
    <message>
        <source>You cannot insert a new record after the last one.<byte value="xd"/>
Click on &apos;Add New&apos; to add a new record to the end of the file.</source>
        <translation>No se puede insertar un registro nuevo después del último.<byte value="xd"/>
Haga clic en &apos;Añadir&apos; para añadir un registro nuevo al final del archivo.</translation>
    </message>
    <message>
        <source>New Record</source>
        <translation>Nuevo registro</translation>
    </message>
    <message>
        <source>There are no data records under this investment to perform operations on.<byte value="xd"/>
If you want to create a data record, click on the &apos;Add New&apos; button under the data grid.</source>
        <translation>Esta inversión no tiene registros con los que operar.<byte value="xd"/>
Si desea crear un registro, haga clic en el botón &apos;Añadir&apos; bajo la cuadrícula de datos.</translation>
    </message>
    <message>
        <source>No Data Records</source>
        <translation>Sin registros</translation>
    </message>
</context>
<context>
    <name>frmInvestEntry</name>
    <message>
        <source>Type and institution of an investment record</source>
        <translation>Tipo y entidad de un registro de inversión</translation>
    </message>
    <message>
        <source>Caption of the investment record number</source>
        <translation>Rótulo del número de registro de inversión</translation>
    </message>
    <message>
        <source>Number of the investment record</source>
        <translation>Número del registro de inversión</translation>
    </message>
    <message>
        <source>Caption of the type of investment</source>
        <translation>Rótulo del tipo de inversión</translation>
    </message>
    <message>
        <source>Type of investment</source>
        <translation>Tipo de inversión</translation>
    </message>
    <message>
        <source>Type of the investment, at most 50 characters</source>
        <translation>Tipo de la inversión, como máximo 50 caracteres</translation>
    </message>
    <message>
        <source>Caption of the institution</source>
        <translation>Rótulo de la entidad</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Entidad</translation>
    </message>
    <message>
        <source>Institution that holds the investment, at most 50 characters</source>
        <translation>Entidad en la que está la inversión, como máximo 50 caracteres</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Cerrar sin guardar</translation>
    </message>
    <message>
        <source>Save the investment record and close</source>
        <translation>Guardar el registro de inversión y cerrar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Copy and paste the type or institution</source>
        <translation>Copiar y pegar el tipo o la entidad</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Rec #</source>
        <extracomment>Record number</extracomment>
        <translation>N.º reg.</translation>
    </message>
    <message>
        <source>Type of Investment</source>
        <translation>Tipo de inversión</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Sorry, there is no entry in &apos;Investment&apos;. You must make an entry.</source>
        <translation>Lo sentimos, no hay nada escrito en &apos;Inversión&apos;. Debe escribir algo.</translation>
    </message>
</context>
<context>
    <name>frmNewEditData</name>
    <message>
        <source>Date, amounts and inflation rate of a data record</source>
        <translation>Fecha, importes y tasa de inflación de un registro</translation>
    </message>
    <message>
        <source>Investment record number</source>
        <translation>Número de registro de inversión</translation>
    </message>
    <message>
        <source>Number of the investment this data record belongs to</source>
        <translation>Número de la inversión a la que pertenece este registro</translation>
    </message>
    <message>
        <source>Type of investment</source>
        <translation>Tipo de inversión</translation>
    </message>
    <message>
        <source>Type of the investment this data record belongs to</source>
        <translation>Tipo de la inversión a la que pertenece este registro</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Entidad</translation>
    </message>
    <message>
        <source>Institution of the investment this data record belongs to</source>
        <translation>Entidad de la inversión a la que pertenece este registro</translation>
    </message>
    <message>
        <source>The values of the data record</source>
        <translation>Los valores del registro</translation>
    </message>
    <message>
        <source>Caption of the date</source>
        <translation>Rótulo de la fecha</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Date of the data record</source>
        <translation>Fecha del registro</translation>
    </message>
    <message>
        <source>Caption of the original amount</source>
        <translation>Rótulo del importe original</translation>
    </message>
    <message>
        <source>Original amount</source>
        <translation>Importe original</translation>
    </message>
    <message>
        <source>Amount originally invested</source>
        <translation>Importe invertido originalmente</translation>
    </message>
    <message>
        <source>Caption of the inflation rate</source>
        <translation>Rótulo de la tasa de inflación</translation>
    </message>
    <message>
        <source>Inflation rate</source>
        <translation>Tasa de inflación</translation>
    </message>
    <message>
        <source>Inflation rate in percent since the previous record; may stay empty</source>
        <translation>Tasa de inflación en porcentaje desde el registro anterior; puede quedar vacía</translation>
    </message>
    <message>
        <source>Caption of the current amount</source>
        <translation>Rótulo del importe actual</translation>
    </message>
    <message>
        <source>Current amount</source>
        <translation>Importe actual</translation>
    </message>
    <message>
        <source>Current amount of the investment on this date</source>
        <translation>Importe actual de la inversión en esta fecha</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Cerrar sin guardar</translation>
    </message>
    <message>
        <source>Save the data record and close</source>
        <translation>Guardar el registro y cerrar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Cut, copy and paste in the boxes</source>
        <translation>Cortar, copiar y pegar en los cuadros</translation>
    </message>
    <message>
        <source>Suggested inflation rate</source>
        <translation>Tasa de inflación sugerida</translation>
    </message>
    <message>
        <source>The price index&apos;s rate since the previous record, or why there is none</source>
        <translation>La tasa del índice de precios desde el registro anterior, o por qué no la hay</translation>
    </message>
    <message>
        <source>The suggested rate and the series it comes from</source>
        <translation>La tasa sugerida y la serie de la que procede</translation>
    </message>
    <message>
        <source>Finer price index</source>
        <translation>Índice de precios más detallado</translation>
    </message>
    <message>
        <source>Suggest rates from the country&apos;s monthly or quarterly price index instead of annual averages</source>
        <translation>Sugerir tasas a partir del índice de precios mensual o trimestral del país en lugar de medias anuales</translation>
    </message>
    <message>
        <source>Put the suggested rate into the inflation rate box</source>
        <translation>Poner la tasa sugerida en el cuadro de la tasa de inflación</translation>
    </message>
    <message>
        <source>No Entry</source>
        <translation>Sin datos</translation>
    </message>
    <message>
        <source>Wrong entry. Please enter a date.</source>
        <translation>Dato incorrecto. Introduzca una fecha.</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>Variable de objeto o variable de bloque With no establecida</translation>
    </message>
    <message>
        <source>Data Record</source>
        <translation>Registro de datos</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Investment Data</source>
        <translation>Datos de la inversión</translation>
    </message>
    <message>
        <source>Original Amount</source>
        <translation>Importe original</translation>
    </message>
    <message>
        <source>Infl Rate</source>
        <extracomment>Inflation rate in per cent</extracomment>
        <translation>Tasa infl.</translation>
    </message>
    <message>
        <source>Current Amount</source>
        <translation>Importe actual</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Add New Record</source>
        <translation>Añadir registro nuevo</translation>
    </message>
    <message>
        <source>Edit Record</source>
        <translation>Editar registro</translation>
    </message>
    <message>
        <source>Insert New Record</source>
        <translation>Insertar registro nuevo</translation>
    </message>
    <message>
        <source>There is no entry in &apos;Original Amount&apos;. Please make an entry if you want to<byte value="xd"/>
create a new record.</source>
        <translation>No hay nada escrito en &apos;Importe original&apos;. Escriba un importe si desea<byte value="xd"/>
crear un registro nuevo.</translation>
    </message>
    <message>
        <source>There is no entry in &apos;Current Amount&apos;. Please make an entry if you want to<byte value="xd"/>
create a new record.</source>
        <translation>No hay nada escrito en &apos;Importe actual&apos;. Escriba un importe si desea<byte value="xd"/>
crear un registro nuevo.</translation>
    </message>
    <message>
        <source>Sorry, wrong entry. Enter only numbers or decimal point.</source>
        <translation>Lo sentimos, dato incorrecto. Escriba solo números o el separador decimal.</translation>
    </message>
    <message>
        <source>Wrong Entry</source>
        <translation>Dato incorrecto</translation>
    </message>
</context>
<context>
    <name>frmPassword</name>
    <message>
        <source>Choose whether the program asks for a password at start-up</source>
        <translation>Elegir si el programa pide una contraseña al iniciarse</translation>
    </message>
    <message>
        <source>The question this window asks</source>
        <translation>La pregunta que hace esta ventana</translation>
    </message>
    <message>
        <source>Check to start the program without a password</source>
        <translation>Marcar para iniciar el programa sin contraseña</translation>
    </message>
    <message>
        <source>How to set a password</source>
        <translation>Cómo establecer una contraseña</translation>
    </message>
    <message>
        <source>Caption of the password box</source>
        <translation>Rótulo del cuadro de la contraseña</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Escribir la contraseña</translation>
    </message>
    <message>
        <source>The new password</source>
        <translation>La contraseña nueva</translation>
    </message>
    <message>
        <source>Caption of the second password box</source>
        <translation>Rótulo del segundo cuadro de la contraseña</translation>
    </message>
    <message>
        <source>Enter password again</source>
        <translation>Volver a escribir la contraseña</translation>
    </message>
    <message>
        <source>The new password once more, to check it</source>
        <translation>La contraseña nueva otra vez, para comprobarla</translation>
    </message>
    <message>
        <source>Save the choice and go on</source>
        <translation>Guardar la elección y continuar</translation>
    </message>
    <message>
        <source>Empty both password boxes</source>
        <translation>Vaciar ambos cuadros de contraseña</translation>
    </message>
    <message>
        <source>Leave without a change</source>
        <translation>Salir sin cambios</translation>
    </message>
    <message>
        <source>Password?</source>
        <translation>¿Contraseña?</translation>
    </message>
    <message>
        <source>Do you want to make Plumbline  password protected, or change an existing password?</source>
        <translation>¿Desea proteger Plumbline  con una contraseña, o cambiar una contraseña existente?</translation>
    </message>
    <message>
        <source>No Password</source>
        <translation>No</translation>
    </message>
    <message>
        <source>If you do, please enter a password below, and re-enter it for validation.</source>
        <translation>En tal caso, escriba una contraseña abajo y vuelva a escribirla para validarla.</translation>
    </message>
    <message>
        <source>Enter Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Enter Password Again</source>
        <translation>Repetir contraseña</translation>
    </message>
    <message>
        <source>&amp;Enter</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>No entry was made in &apos;Enter Password&apos;.</source>
        <translation>No se ha escrito nada en &apos;Contraseña&apos;.</translation>
    </message>
    <message>
        <source>Please make an entry.</source>
        <translation>Escriba algo, por favor.</translation>
    </message>
    <message>
        <source>No entry was made in &apos;Enter Password Again&apos;.</source>
        <translation>No se ha escrito nada en &apos;Repetir contraseña&apos;.</translation>
    </message>
    <message>
        <source>The second entry was not the same as the first.<byte value="xd"/>
Please re-enter the second, or both entries.</source>
        <translation>La segunda entrada no coincide con la primera.<byte value="xd"/>
Vuelva a escribir la segunda, o ambas.</translation>
    </message>
    <message>
        <source>Please write your password down and keep<byte value="xd"/>
it in a safe place.</source>
        <translation>Anote su contraseña y guárdela<byte value="xd"/>
en un lugar seguro.</translation>
    </message>
</context>
<context>
    <name>frmPlSplash</name>
    <message>
        <source>Plumbline 3.5</source>
        <translation>Plumbline 3.5</translation>
    </message>
    <message>
        <source>Plumbline is starting</source>
        <translation>Plumbline se está iniciando</translation>
    </message>
    <message>
        <source>Product, version and maker</source>
        <translation>Producto, versión y fabricante</translation>
    </message>
    <message>
        <source>Maker of the program</source>
        <translation>Fabricante del programa</translation>
    </message>
    <message>
        <source>Name of the program</source>
        <translation>Nombre del programa</translation>
    </message>
    <message>
        <source>Trademark</source>
        <translation>Marca comercial</translation>
    </message>
    <message>
        <source>Trademark sign</source>
        <translation>Símbolo de marca comercial</translation>
    </message>
    <message>
        <source>Platform of the program</source>
        <translation>Plataforma del programa</translation>
    </message>
    <message>
        <source>Version 3.5</source>
        <translation>Versión 3.5</translation>
    </message>
    <message>
        <source>Version of the program</source>
        <translation>Versión del programa</translation>
    </message>
    <message>
        <source>Plumbline logo</source>
        <translation>Logotipo de Plumbline</translation>
    </message>
    <message>
        <source>A plumb line hanging over a declining chart</source>
        <translation>Una plomada que cuelga sobre un gráfico descendente</translation>
    </message>
    <message>
        <source>For Windows</source>
        <translation>Windows</translation>
    </message>
</context>
<context>
    <name>plumbline-export</name>
    <message>
        <source>%1 It is the series chosen under View, Price Index; --series NAME gives another.</source>
        <extracomment>%1 is the reason the price index cannot be read.</extracomment>
        <translation>%1 Es la serie elegida en Ver, Índice de precios; --series NOMBRE indica otra.</translation>
    </message>
    <message>
        <source>Writes the figures of every data record of a Plumbline 3.5 data folder to standard output as CSV (comma-separated, header row, CR LF line ends), computed as the program&apos;s grid computes them. Nothing in the data folder is ever changed.</source>
        <translation>Escribe las cifras de cada registro de una carpeta de datos de Plumbline 3.5 en la salida estándar como CSV (separado por comas, con fila de cabecera y finales de línea CR LF), calculadas como las calcula la cuadrícula del programa. Nunca se cambia nada de la carpeta de datos.</translation>
    </message>
    <message>
        <source>Export only investment number &lt;n&gt;.</source>
        <translation>Exportar solo la inversión número &lt;n&gt;.</translation>
    </message>
    <message>
        <source>Add the column suggested_rate after inflation_rate: the rate the price index gives since the investment&apos;s last earlier record with both amounts above 0, the one the calculation compares the record with (empty where it gives none).</source>
        <translation>Añadir la columna suggested_rate tras inflation_rate: la tasa que da el índice de precios desde el último registro anterior de la inversión con ambos importes por encima de 0, con el que el cálculo compara el registro (vacía donde no da ninguna).</translation>
    </message>
    <message>
        <source>With --suggest-rates: the price index &lt;name&gt; (default: the series chosen under View, Price Index, else that of the system locale&apos;s country, else US-CPI-U).</source>
        <translation>Con --suggest-rates: el índice de precios &lt;name&gt; (por omisión: la serie elegida en Ver, Índice de precios; si no, la del país de la configuración regional del sistema; si no, US-CPI-U).</translation>
    </message>
    <message>
        <source>Instead of the records, each investment&apos;s returns, nominal and after inflation (time- and money-weighted, cumulative and per year), and a last row for all of them, whose figure after inflation comes from the price index (--series, else the one chosen under View, Price Index).</source>
        <translation>En lugar de los registros, la rentabilidad de cada inversión, nominal y real (ponderada por el tiempo y por el capital, acumulada y anual), y una última fila para todas ellas, cuya cifra real procede del índice de precios (--series; si no, el elegido en Ver, Índice de precios).</translation>
    </message>
    <message>
        <source>--series needs --suggest-rates or --returns</source>
        <translation>--series necesita --suggest-rates o --returns</translation>
    </message>
    <message>
        <source>--returns covers every investment and takes neither --investment nor --suggest-rates</source>
        <translation>--returns abarca todas las inversiones y no admite --investment ni --suggest-rates</translation>
    </message>
    <message>
        <source>the figures could not all be written to standard output</source>
        <translation>no se han podido escribir todas las cifras en la salida estándar</translation>
    </message>
</context>
<context>
    <name>plumbline-gendata</name>
    <message>
        <source>usage: plumbline-gendata --out DIR --investments N --records-per-investment M [--seed S] [--edits E]
       plumbline-gendata --out DIR --lines L [--investments N] [--shown K] [--shown-share F]
                         [--seed S] [--edits E]
</source>
        <extracomment>The synopsis: only &quot;usage:&quot; is words; the rest are the program&apos;s and its options&apos; names.</extracomment>
        <translation>uso: plumbline-gendata --out DIR --investments N --records-per-investment M [--seed S] [--edits E]
     plumbline-gendata --out DIR --lines L [--investments N] [--shown K] [--shown-share F]
                       [--seed S] [--edits E]
</translation>
    </message>
    <message>
        <source>--%1 wants a whole number, not &quot;%2&quot;</source>
        <extracomment>%1 is an option&apos;s name, %2 what was given for it.</extracomment>
        <translation>--%1 necesita un número entero, no «%2»</translation>
    </message>
    <message>
        <source>Writes a valid Plumbline 3.5 data folder (PlumblineData and PlDataHist.txt) into DIR, which must not hold them yet, for trying the program and timing it on large data.

</source>
        <translation>Escribe una carpeta de datos válida de Plumbline 3.5 (PlumblineData y PlDataHist.txt) en DIR, que aún no debe contenerlos, para probar el programa y medir sus tiempos con muchos datos.

</translation>
    </message>
    <message>
        <source>the folder to write (created if missing)</source>
        <translation>la carpeta que se va a escribir (se crea si no existe)</translation>
    </message>
    <message>
        <source>investments (second form: default 100)</source>
        <translation>inversiones (segunda forma: 100 por omisión)</translation>
    </message>
    <message>
        <source>data records of each investment</source>
        <translation>registros de cada inversión</translation>
    </message>
    <message>
        <source>history lines in all</source>
        <translation>líneas de historial en total</translation>
    </message>
    <message>
        <source>the investment holding the share F (default 1)</source>
        <translation>la inversión que tiene la proporción F (1 por omisión)</translation>
    </message>
    <message>
        <source>its share of the lines, 0 to 1 (default 0.01)</source>
        <translation>su proporción de las líneas, de 0 a 1 (0,01 por omisión)</translation>
    </message>
    <message>
        <source>edits that rewrote the file, each putting the edited investment&apos;s lines first (default 3, at most N)</source>
        <translation>ediciones que reescribieron el archivo, cada una poniendo primero las líneas de la inversión editada (3 por omisión, como máximo N)</translation>
    </message>
    <message>
        <source>the same seed always gives the same bytes (default 1)</source>
        <translation>la misma semilla da siempre los mismos bytes (1 por omisión)</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>--shown-share wants a fraction from 0 to 1</source>
        <translation>--shown-share necesita una fracción de 0 a 1</translation>
    </message>
    <message>
        <source>--out is required</source>
        <translation>--out es obligatorio</translation>
    </message>
    <message>
        <source>give either --records-per-investment or --lines</source>
        <translation>indique --records-per-investment o --lines</translation>
    </message>
    <message>
        <source>--shown must name one of the investments</source>
        <translation>--shown debe indicar una de las inversiones</translation>
    </message>
    <message>
        <source>give --investments and --records-per-investment, or --lines</source>
        <translation>indique --investments y --records-per-investment, o --lines</translation>
    </message>
    <message>
        <source>at most 32767 investments</source>
        <translation>como máximo 32767 inversiones</translation>
    </message>
    <message>
        <source>investment %1 would get %2 records; the program counts at most %3 per investment (use more --investments)</source>
        <translation>la inversión %1 tendría %2 registros; el programa cuenta como máximo %3 por inversión (use más --investments)</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>no se puede crear %1</translation>
    </message>
    <message>
        <source>%1 already holds %2; give an empty folder</source>
        <extracomment>%1 is a folder, %2 the name of a data file in it.</extracomment>
        <translation>%1 ya contiene %2; indique una carpeta vacía</translation>
    </message>
    <message>
        <source>%1: %2 investments, %3 history lines (investment %4: %5 lines), %6 edits, seed %7</source>
        <extracomment>%1 is the data folder written; %5 of the history lines belong to investment %4.</extracomment>
        <translation>%1: %2 inversiones, %3 líneas de historial (inversión %4: %5 líneas), %6 ediciones, semilla %7</translation>
    </message>
</context>
<context>
    <name>plumbline-import</name>
    <message>
        <source>record %1 (%2): rate %3 since %4</source>
        <translation>registro %1 (%2): tasa %3 desde %4</translation>
    </message>
    <message>
        <source>record %1 (%2): no rate, %3</source>
        <translation>registro %1 (%2): sin tasa, %3</translation>
    </message>
    <message>
        <source>Would create investment %1 (%2).</source>
        <extracomment>%1 is the investment&apos;s number, %2 its type and institution.</extracomment>
        <translation>Se crearía la inversión %1 (%2).</translation>
    </message>
    <message>
        <source>Created investment %1 (%2).</source>
        <translation>Creada la inversión %1 (%2).</translation>
    </message>
    <message>
        <source>Would add %1 record to investment %2 (%3): %4 appended, %5 merged by date.</source>
        <extracomment>%1 records, %2 the investment&apos;s number, %3 its type and institution; %4 of the records go after its last one, %5 between its records by their date.</extracomment>
        <translation>Se añadiría %1 registro a la inversión %2 (%3): %4 al final, %5 intercalados por fecha.</translation>
    </message>
    <message>
        <source>Would add %1 records to investment %2 (%3): %4 appended, %5 merged by date.</source>
        <translation>Se añadirían %1 registros a la inversión %2 (%3): %4 al final, %5 intercalados por fecha.</translation>
    </message>
    <message>
        <source>Added %1 record to investment %2 (%3): %4 appended, %5 merged by date.</source>
        <translation>Añadido %1 registro a la inversión %2 (%3): %4 al final, %5 intercalados por fecha.</translation>
    </message>
    <message>
        <source>Added %1 records to investment %2 (%3): %4 appended, %5 merged by date.</source>
        <translation>Añadidos %1 registros a la inversión %2 (%3): %4 al final, %5 intercalados por fecha.</translation>
    </message>
    <message>
        <source>%1 row already present, left out.</source>
        <translation>%1 fila ya presente, omitida.</translation>
    </message>
    <message>
        <source>%1 rows already present, left out.</source>
        <translation>%1 filas ya presentes, omitidas.</translation>
    </message>
    <message>
        <source>line %1: %2, %3, %4, rate %5, at the end</source>
        <extracomment>A record to add: %1 its line in the CSV file, %2 its date, %3 and %4 its original and current amount, %5 its inflation rate. %6 is the number of the record the new one goes before.</extracomment>
        <translation>línea %1: %2, %3, %4, tasa %5, al final</translation>
    </message>
    <message>
        <source>line %1: %2, %3, %4, rate %5, before record %6</source>
        <translation>línea %1: %2, %3, %4, tasa %5, antes del registro %6</translation>
    </message>
    <message>
        <source>Would fill %1 of %2 missing rates from %3.</source>
        <extracomment>%1 rates filled of %2 missing, %3 the price index&apos;s name.</extracomment>
        <translation>Se completarían %1 de %2 tasas que faltan a partir de %3.</translation>
    </message>
    <message>
        <source>Filled %1 of %2 missing rates from %3.</source>
        <translation>Completadas %1 de %2 tasas que faltan a partir de %3.</translation>
    </message>
    <message>
        <source>Adds the data records of a CSV file (date, original amount, current amount, optional inflation rate, found by their header) to an investment of a Plumbline 3.5 data folder, and fills missing inflation rates from a price index. All or nothing: a row that cannot be read changes nothing. Exit status: 0 done, 1 refused or failed, 2 wrong command line.</source>
        <translation>Añade los registros de un archivo CSV (fecha, importe original, importe actual y tasa de inflación opcional, localizados por su cabecera) a una inversión de una carpeta de datos de Plumbline 3.5, y completa las tasas de inflación que faltan a partir de un índice de precios. Todo o nada: una fila que no se puede leer no cambia nada. Estado de salida: 0 hecho, 1 rechazado o fallido, 2 línea de comandos incorrecta.</translation>
    </message>
    <message>
        <source>Change the data folder &lt;dir&gt; instead of the program&apos;s own.</source>
        <translation>Cambiar la carpeta de datos &lt;dir&gt; en lugar de la del programa.</translation>
    </message>
    <message>
        <source>Add to investment number &lt;n&gt;.</source>
        <translation>Añadir a la inversión número &lt;n&gt;.</translation>
    </message>
    <message>
        <source>Add to a new investment of type &lt;type&gt; (1 to 50 characters).</source>
        <translation>Añadir a una inversión nueva de tipo &lt;type&gt; (de 1 a 50 caracteres).</translation>
    </message>
    <message>
        <source>With --new-investment: its institution &lt;name&gt; (at most 50 characters).</source>
        <translation>Con --new-investment: su entidad &lt;name&gt; (como máximo 50 caracteres).</translation>
    </message>
    <message>
        <source>How dates with slashes read: iso (none accepted), mdy or dmy. Default: decided from the dates, refused when every date reads both ways.</source>
        <translation>Cómo se leen las fechas con barras: iso (no se aceptan), mdy o dmy. Por omisión: se deduce de las fechas, y se rechaza cuando todas se pueden leer de las dos maneras.</translation>
    </message>
    <message>
        <source>Fill missing rates (0, not the first record) from the price index: of the imported rows, or without FILE of every record of the investment.</source>
        <translation>Completar las tasas que faltan (0, no el primer registro) a partir del índice de precios: las de las filas importadas o, sin FILE, las de todos los registros de la inversión.</translation>
    </message>
    <message>
        <source>With --fill-rates: the price index &lt;name&gt; (default: the one chosen under View, Price Index, else the system locale&apos;s).</source>
        <translation>Con --fill-rates: el índice de precios &lt;name&gt; (por omisión: el elegido en Ver, Índice de precios; si no, el de la configuración regional del sistema).</translation>
    </message>
    <message>
        <source>Print what would change and change nothing.</source>
        <translation>Mostrar lo que cambiaría sin cambiar nada.</translation>
    </message>
    <message>
        <source>The records to import.</source>
        <translation>Los registros que se van a importar.</translation>
    </message>
    <message>
        <source>one file at a time (see --help)</source>
        <translation>un archivo cada vez (véase --help)</translation>
    </message>
    <message>
        <source>give either --investment N or --new-investment TYPE (see --help)</source>
        <translation>indique --investment N o --new-investment TYPE (véase --help)</translation>
    </message>
    <message>
        <source>--institution goes with --new-investment</source>
        <translation>--institution va con --new-investment</translation>
    </message>
    <message>
        <source>--series needs --fill-rates</source>
        <translation>--series necesita --fill-rates</translation>
    </message>
    <message>
        <source>without FILE only --fill-rates --investment N [--series NAME] (see --help)</source>
        <translation>sin FILE solo --fill-rates --investment N [--series NAME] (véase --help)</translation>
    </message>
    <message>
        <source>--date-format takes iso, mdy or dmy, not &quot;%1&quot;</source>
        <translation>--date-format admite iso, mdy o dmy, no «%1»</translation>
    </message>
    <message>
        <source>--investment takes a number from 1, not &quot;%1&quot;</source>
        <translation>--investment admite un número desde 1, no «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: every date reads both as month/day and as day/month (line %2: &quot;%3&quot; is %4 or %5); choose with --date-format mdy or dmy</source>
        <translation>«%1»: todas las fechas se pueden leer como mes/día y como día/mes (línea %2: «%3» es %4 o %5); elija con --date-format mdy o dmy</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 row cannot be read; nothing was changed:</source>
        <extracomment>%1 is the CSV file, %2 the number of rows.</extracomment>
        <translation>«%1»: no se puede leer %2 fila; no se ha cambiado nada:</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 rows cannot be read; nothing was changed:</source>
        <translation>«%1»: no se pueden leer %2 filas; no se ha cambiado nada:</translation>
    </message>
    <message>
        <source>Plumbline 3.5 is running on &quot;%1&quot;; close it, then import again</source>
        <translation>Plumbline 3.5 se está ejecutando sobre «%1»; ciérrelo y vuelva a importar</translation>
    </message>
    <message>
        <source>the lock file of &quot;%1&quot; cannot be used; nothing was changed</source>
        <translation>no se puede usar el archivo de bloqueo de «%1»; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>warning: the change is made but not yet kept as a version: error %1: %2</source>
        <translation>aviso: el cambio está hecho pero aún no se guarda como versión: error %1: %2</translation>
    </message>
    <message>
        <source>%1; nothing was changed</source>
        <extracomment>%1 is why the data files cannot be read.</extracomment>
        <translation>%1; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>the summary could not be written to standard output</source>
        <translation>no se ha podido escribir el resumen en la salida estándar</translation>
    </message>
</context>
<context>
    <name>plumbline-index</name>
    <message>
        <source>%1, line %2: %3</source>
        <extracomment>%1 is the CSV file, %2 a line number in it, %3 what is wrong with that line.</extracomment>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <source>The price indexes Plumbline suggests inflation rates from.

  list                 every series (shipped and imported), one a line: name, frequency
                       (monthly, quarterly or annual), coverage, country, shipped or
                       imported, title, unit and base, publisher, the day it was taken
  import FILE --name NAME [--country CC] [--replace]
                       reads a monthly index from a CSV file and stores it as NAME,
                       replacing a series of that name whole; where the file changes
                       figures that series held, it says how many and stops unless
                       --replace is given
  rate FROM TO [--series NAME]
                       the inflation rate in percent from date FROM to date TO
                       (YYYY-MM-DD or YYYY-MM); exits with 2 and the reason when
                       the series has no rate for them

Without --series the series chosen under View, Price Index is used; without a choice, that of the system locale&apos;s country: its monthly national index, else the euro area&apos;s HICP where the euro is paid, else its quarterly or annual series (US-CPI-U when it has none).
Imported series live in the folder &quot;Price Indexes&quot; of the data folder; the data files are never touched.</source>
        <translation>Los índices de precios a partir de los que Plumbline sugiere tasas de inflación.

  list                 todas las series (incluidas e importadas), una por línea: nombre,
                       frecuencia (mensual, trimestral o anual), cobertura, país,
                       incluida o importada, título, unidad y base, editor, día de toma
  import FILE --name NAME [--country CC] [--replace]
                       lee un índice mensual de un archivo CSV y lo guarda como NAME,
                       sustituyendo entera la serie de ese nombre; si el archivo cambia
                       cifras que tenía esa serie, dice cuántas y se detiene salvo que
                       se indique --replace
  rate FROM TO [--series NAME]
                       la tasa de inflación en porcentaje desde la fecha FROM hasta la
                       fecha TO (AAAA-MM-DD o AAAA-MM); termina con 2 y el motivo cuando
                       la serie no tiene tasa para ellas

Sin --series se usa la serie elegida en Ver, Índice de precios; sin elección, la del país de la configuración regional del sistema: su índice nacional mensual; si no, el IPCA de la zona del euro donde se paga en euros; si no, su serie trimestral o anual (US-CPI-U cuando no tiene ninguna).
Las series importadas están en la carpeta &quot;Price Indexes&quot; de la carpeta de datos; los archivos de datos nunca se tocan.</translation>
    </message>
    <message>
        <source>import: the series&apos; name.</source>
        <translation>import: el nombre de la serie.</translation>
    </message>
    <message>
        <source>import: the series&apos; country, a two-letter ISO code.</source>
        <translation>import: el país de la serie, un código ISO de dos letras.</translation>
    </message>
    <message>
        <source>rate: the series to use.</source>
        <translation>rate: la serie que se va a usar.</translation>
    </message>
    <message>
        <source>import: replace a series of that name even where the file changes its past figures.</source>
        <translation>import: sustituir una serie de ese nombre aunque el archivo cambie sus cifras pasadas.</translation>
    </message>
    <message>
        <source>list, import or rate</source>
        <translation>list, import o rate</translation>
    </message>
    <message>
        <source>import needs --name NAME</source>
        <translation>import necesita --name NAME</translation>
    </message>
    <message>
        <source>%1: %2 changes figures the series holds (%3). Nothing was changed; add --replace to replace it.</source>
        <translation>%1: %2 cambia cifras que contiene la serie (%3). No se ha cambiado nada; añada --replace para sustituirla.</translation>
    </message>
    <message>
        <source>Revised: %1.</source>
        <translation>Revisado: %1.</translation>
    </message>
    <message>
        <source>Replaced %1: %2 months, %3 (in %4)</source>
        <extracomment>%1 is the series&apos; name, %2 its number of months, %3 the months it covers, %4 the folder it is kept in.</extracomment>
        <translation>Sustituida %1: %2 meses, %3 (en %4)</translation>
    </message>
    <message>
        <source>Imported %1: %2 months, %3 (in %4)</source>
        <translation>Importada %1: %2 meses, %3 (en %4)</translation>
    </message>
    <message>
        <source>dates are YYYY-MM-DD or YYYY-MM (see --help)</source>
        <translation>las fechas son AAAA-MM-DD o AAAA-MM (véase --help)</translation>
    </message>
    <message>
        <source>no rate: %1</source>
        <translation>sin tasa: %1</translation>
    </message>
    <message>
        <source>expected list, import FILE --name NAME, or rate FROM TO (see --help)</source>
        <translation>se esperaba list, import FILE --name NAME o rate FROM TO (véase --help)</translation>
    </message>
</context>
<context>
    <name>plumbline-report</name>
    <message>
        <source>Writes the PDF report of a Plumbline 3.5 data folder: a summary of the investments with what inflation took, then each investment&apos;s chart and every data record with its computed figures. The file is written whole or not at all; nothing in the data folder is ever changed.</source>
        <translation>Escribe el informe PDF de una carpeta de datos de Plumbline 3.5: un resumen de las inversiones con lo que se llevó la inflación y, después, el gráfico de cada inversión y cada registro con sus cifras calculadas. El archivo se escribe entero o no se escribe; nunca se cambia nada de la carpeta de datos.</translation>
    </message>
    <message>
        <source>Report only investment number &lt;n&gt;.</source>
        <translation>Informe solo de la inversión número &lt;n&gt;.</translation>
    </message>
    <message>
        <source>Write the report to &lt;file&gt; (required).</source>
        <translation>Escribir el informe en &lt;file&gt; (obligatorio).</translation>
    </message>
    <message>
        <source>Date the report &lt;yyyy-mm-dd&gt; instead of today.</source>
        <translation>Fechar el informe el &lt;yyyy-mm-dd&gt; en lugar de hoy.</translation>
    </message>
    <message>
        <source>Write dates for the locale &lt;name&gt; (such as en_GB) instead of the system&apos;s.</source>
        <translation>Escribir las fechas según la configuración regional &lt;name&gt; (como es_ES) en lugar de la del sistema.</translation>
    </message>
    <message>
        <source>Tell the pages written on standard output, a line each (&quot;pages N&quot;, &quot;page K&quot;, &quot;done K&quot;), for a program that shows them.</source>
        <translation>Indicar las páginas escritas en la salida estándar, una línea cada vez («pages N», «page K», «done K»), para un programa que las muestre.</translation>
    </message>
    <message>
        <source>The price index &lt;name&gt; for the figure of all investments after inflation (default: the series chosen under View, Price Index, else that of the system locale&apos;s country).</source>
        <translation>El índice de precios &lt;name&gt; para la cifra real de todas las inversiones (por omisión: la serie elegida en Ver, Índice de precios; si no, la del país de la configuración regional del sistema).</translation>
    </message>
    <message>
        <source>--out FILE.pdf is required (see --help)</source>
        <translation>--out FILE.pdf es obligatorio (véase --help)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date of the form yyyy-mm-dd</source>
        <translation>«%1» no es una fecha de la forma aaaa-mm-dd</translation>
    </message>
    <message>
        <source>%1: %2 page</source>
        <extracomment>%1 is the PDF file written, %2 its number of pages.</extracomment>
        <translation>%1: %2 página</translation>
    </message>
    <message>
        <source>%1: %2 pages</source>
        <translation>%1: %2 páginas</translation>
    </message>
</context>
<context>
    <name>plumbline-snapshot</name>
    <message>
        <source>Opens the Plumbline 3.5 main window on the program&apos;s data folder, as the program does once the user is through start-up, saves a picture of it to FILE.png and ends. For machines without a display: run it under xvfb-run.</source>
        <translation>Abre la ventana principal de Plumbline 3.5 sobre la carpeta de datos del programa, como hace el programa una vez superado el inicio, guarda una imagen de ella en FILE.png y termina. Para máquinas sin pantalla: ejecútelo con xvfb-run.</translation>
    </message>
    <message>
        <source>Where the picture is saved.</source>
        <translation>Dónde se guarda la imagen.</translation>
    </message>
    <message>
        <source>usage: plumbline-snapshot FILE.png</source>
        <translation>uso: plumbline-snapshot FILE.png</translation>
    </message>
</context>
<context>
    <name>plumbline-versions</name>
    <message>
        <source>Lists, shows and restores the versions Plumbline 3.5 keeps of its two data files, and undoes or redoes the last change.

Commands:
  list            every kept version, newest first
  show ID         one version&apos;s time, change and counts
  restore ID      make version ID current (itself a change that can be undone)
  undo            back to the state before the last change
  redo            the change undone last, made again</source>
        <translation>Lista, muestra y restaura las versiones que Plumbline 3.5 guarda de sus dos archivos de datos, y deshace o rehace el último cambio.

Comandos:
  list            todas las versiones guardadas, la más reciente primero
  show ID         hora, cambio y recuentos de una versión
  restore ID      hace actual la versión ID (un cambio que a su vez se puede deshacer)
  undo            vuelve al estado anterior al último cambio
  redo            vuelve a hacer el último cambio deshecho</translation>
    </message>
    <message>
        <source>With show: write the version&apos;s records to &lt;file&gt; as CSV.</source>
        <translation>Con show: escribir los registros de la versión en &lt;file&gt; como CSV.</translation>
    </message>
    <message>
        <source>list, show ID, restore ID, undo, redo</source>
        <translation>list, show ID, restore ID, undo, redo</translation>
    </message>
    <message>
        <source>no command given (see --help)</source>
        <translation>no se ha indicado ningún comando (véase --help)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (see --help)</source>
        <translation>comando desconocido «%1» (véase --help)</translation>
    </message>
    <message>
        <source>%1 takes one version number</source>
        <translation>%1 admite un número de versión</translation>
    </message>
    <message>
        <source>%1 takes no argument</source>
        <translation>%1 no admite argumentos</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a version number</source>
        <translation>«%1» no es un número de versión</translation>
    </message>
    <message>
        <source>--export goes with show</source>
        <translation>--export va con show</translation>
    </message>
    <message>
        <source>the data folder &quot;%1&quot; is in use by a running copy of Plumbline; close it first</source>
        <translation>la carpeta de datos «%1» la está usando una copia de Plumbline en ejecución; ciérrela primero</translation>
    </message>
    <message>
        <source>the lock file of the data folder &quot;%1&quot; cannot be used</source>
        <translation>no se puede usar el archivo de bloqueo de la carpeta de datos «%1»</translation>
    </message>
    <message>
        <source>there is no version %1</source>
        <translation>no existe la versión %1</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <extracomment>The labels of one kept version: its number, when it was kept, the change it made, and how many investments and data records it holds.</extracomment>
        <translation>Versión: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Hora: %1</translation>
    </message>
    <message>
        <source>Change: %1</source>
        <translation>Cambio: %1</translation>
    </message>
    <message>
        <source>Investments: %1</source>
        <translation>Inversiones: %1</translation>
    </message>
    <message>
        <source>Records: %1</source>
        <translation>Registros: %1</translation>
    </message>
    <message>
        <source>Current: yes</source>
        <extracomment>The version is the one the data files hold now.</extracomment>
        <translation>Actual: sí</translation>
    </message>
    <message>
        <source>no temporary folder for the version&apos;s files</source>
        <translation>no hay carpeta temporal para los archivos de la versión</translation>
    </message>
    <message>
        <source>Restored version %1.</source>
        <translation>Restaurada la versión %1.</translation>
    </message>
    <message>
        <source>there is no change to undo</source>
        <translation>no hay ningún cambio que deshacer</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Deshecho: %1</translation>
    </message>
    <message>
        <source>there is no change to redo</source>
        <translation>no hay ningún cambio que rehacer</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Rehecho: %1</translation>
    </message>
</context>
<context>
    <name>ui::import::FillRatesDialog</name>
    <message>
        <source>Fill Missing Rates</source>
        <translation>Completar tasas que faltan</translation>
    </message>
    <message>
        <source>Every record of %1 after the first has a rate: there is nothing to fill.</source>
        <translation>Todos los registros de %1 después del primero tienen tasa: no hay nada que completar.</translation>
    </message>
    <message>
        <source>%1 of the %2 records of %3 without a rate get one from %4. Records that have a rate are not changed.</source>
        <extracomment>%1 and %2 are counts of records, %3 the investment, %4 the name of a price index</extracomment>
        <translation>%1 de los %2 registros de %3 sin tasa reciben una de %4. Los registros que tienen tasa no cambian.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Interval</source>
        <extracomment>column of the time span a rate covers</extracomment>
        <translation>Período</translation>
    </message>
    <message>
        <source>Suggested Rate</source>
        <translation>Tasa sugerida</translation>
    </message>
    <message>
        <source>Records without a rate</source>
        <translation>Registros sin tasa</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>ui::import::ImportRecordsDialog</name>
    <message>
        <source>Import Records</source>
        <translation>Importar registros</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Archivo: %1</translation>
    </message>
    <message>
        <source>Import into</source>
        <translation>Importar en</translation>
    </message>
    <message>
        <source>The investment shown: %1</source>
        <translation>La inversión mostrada: %1</translation>
    </message>
    <message>
        <source>The investment shown (none is)</source>
        <translation>La inversión mostrada (no hay ninguna)</translation>
    </message>
    <message>
        <source>A &amp;new investment</source>
        <translation>Una inversión &amp;nueva</translation>
    </message>
    <message>
        <source>Investment (required)</source>
        <translation>Inversión (obligatorio)</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Entidad</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Columna %1: %2</translation>
    </message>
    <message>
        <source>Month/Day/Year</source>
        <translation>Mes/día/año</translation>
    </message>
    <message>
        <source>Day/Month/Year</source>
        <translation>Día/mes/año</translation>
    </message>
    <message>
        <source>Dates with slashes</source>
        <translation>Fechas con barras</translation>
    </message>
    <message>
        <source>Dates with slashes:</source>
        <translation>Fechas con barras:</translation>
    </message>
    <message>
        <source>&amp;Fill missing rates from %1</source>
        <translation>Completar las &amp;tasas que faltan a partir de %1</translation>
    </message>
    <message>
        <source>Rows without a rate get the rate %1 gives since the investment&apos;s last record with both amounts above 0</source>
        <translation>Las filas sin tasa reciben la tasa que da %1 desde el último registro de la inversión con ambos importes por encima de 0</translation>
    </message>
    <message>
        <source>Rows of the file</source>
        <translation>Filas del archivo</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Error %1: %2</source>
        <translation>Error %1: %2</translation>
    </message>
    <message>
        <source>Choose the columns that hold the Date, the Original Amount and the Current Amount.</source>
        <translation>Elija las columnas que contienen la fecha, el importe original y el importe actual.</translation>
    </message>
    <message>
        <source>The file holds no records.</source>
        <translation>El archivo no contiene registros.</translation>
    </message>
    <message>
        <source>%1 of %2 row cannot be read (line %3): nothing is imported until the file is mended.</source>
        <extracomment>%1 and %2 are counts of rows, %3 a list of line numbers of the file</extracomment>
        <translation>No se puede leer %1 de %2 fila (línea %3): no se importa nada hasta que se corrija el archivo.</translation>
    </message>
    <message>
        <source>%1 of %2 rows cannot be read (line %3): nothing is imported until the file is mended.</source>
        <translation>No se pueden leer %1 de %2 filas (línea %3): no se importa nada hasta que se corrija el archivo.</translation>
    </message>
    <message>
        <source>%1 of %2 rows cannot be read (lines %3): nothing is imported until the file is mended.</source>
        <translation>No se pueden leer %1 de %2 filas (líneas %3): no se importa nada hasta que se corrija el archivo.</translation>
    </message>
    <message>
        <source>Nothing to import: the row is already present.</source>
        <translation>Nada que importar: la fila ya está presente.</translation>
    </message>
    <message>
        <source>Nothing to import: all %1 rows are already present.</source>
        <translation>Nada que importar: las %1 filas ya están presentes.</translation>
    </message>
    <message>
        <source>%1 record to import: %2 after the last record, %3 merged by date.</source>
        <extracomment>%1 records in all, %2 of them added after the last record, %3 merged in by their dates</extracomment>
        <translation>%1 registro que importar: %2 tras el último registro, %3 intercalados por fecha.</translation>
    </message>
    <message>
        <source>%1 records to import: %2 after the last record, %3 merged by date.</source>
        <translation>%1 registros que importar: %2 tras el último registro, %3 intercalados por fecha.</translation>
    </message>
    <message>
        <source>%1 row already present.</source>
        <translation>%1 fila ya presente.</translation>
    </message>
    <message>
        <source>%1 rows already present.</source>
        <translation>%1 filas ya presentes.</translation>
    </message>
    <message>
        <source>%1 of %2 missing rates filled from %3.</source>
        <extracomment>%3 is the name of a price index</extracomment>
        <translation>%1 de %2 tasas que faltan completadas a partir de %3.</translation>
    </message>
    <message>
        <source>Sorry, there is no entry in &apos;Investment&apos;. You must make an entry.</source>
        <translation>Lo sentimos, no hay nada escrito en &apos;Inversión&apos;. Debe escribir algo.</translation>
    </message>
</context>
<context>
    <name>ui::import::PreviewModel</name>
    <message>
        <source>%1 (filled)</source>
        <extracomment>%1 is a rate the import filled in from the price index</extracomment>
        <translation>%1 (completada)</translation>
    </message>
    <message>
        <source>already present, left out</source>
        <translation>ya presente, omitida</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Original Amount</source>
        <translation>Importe original</translation>
    </message>
    <message>
        <source>Current Amount</source>
        <translation>Importe actual</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Tasa</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
</context>
<context>
    <name>ui::index::AboutDialog</name>
    <message>
        <source>About Plumbline</source>
        <translation>Acerca de Plumbline</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 the version number</extracomment>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Price index data:</source>
        <translation>Datos de índices de precios:</translation>
    </message>
</context>
<context>
    <name>ui::index::ImportPriceIndexDialog</name>
    <message>
        <source>Import Price Index</source>
        <translation>Importar índice de precios</translation>
    </message>
    <message>
        <source>Price index (*.csv *.txt);;All files (*)</source>
        <translation>Índice de precios (*.csv *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>File: %1</source>
        <extracomment>%1 a file</extracomment>
        <translation>Archivo: %1</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>C&amp;ountry code:</source>
        <translation>Código de &amp;país:</translation>
    </message>
    <message>
        <source>A monthly index: two columns (date as YYYY-MM or YYYY-MM-DD, value), or a download from ONS, FRED or Statistics Canada. A series of the same name is replaced whole.</source>
        <translation>Un índice mensual: dos columnas (fecha como AAAA-MM o AAAA-MM-DD, valor), o una descarga de ONS, FRED o Statistics Canada. Una serie con el mismo nombre se sustituye entera.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>A price index named %1 exists. The file changes figures it holds: %2. Replace it with this file?</source>
        <extracomment>%1 the name of a price index, %2 the months whose figures change</extracomment>
        <translation>Ya existe un índice de precios llamado %1. El archivo cambia cifras que contiene: %2. ¿Sustituirlo por este archivo?</translation>
    </message>
    <message>
        <source>A price index named %1 exists. Replace it with this file?</source>
        <extracomment>%1 the name of a price index</extracomment>
        <translation>Ya existe un índice de precios llamado %1. ¿Sustituirlo por este archivo?</translation>
    </message>
    <message>
        <source>Replaced %1: %2 months, %3.<byte value="xd"/>
Choose it under View, Price Index.</source>
        <extracomment>%1 the name of a price index, %2 a number of months, %3 the months it covers</extracomment>
        <translation>Sustituido %1: %2 meses, %3.<byte value="xd"/>
Elíjalo en Ver, Índice de precios.</translation>
    </message>
    <message>
        <source>Imported %1: %2 months, %3.<byte value="xd"/>
Choose it under View, Price Index.</source>
        <translation>Importado %1: %2 meses, %3.<byte value="xd"/>
Elíjalo en Ver, Índice de precios.</translation>
    </message>
</context>
<context>
    <name>ui::index::PriceIndexDialog</name>
    <message>
        <source>monthly index</source>
        <extracomment>The Frequency column</extracomment>
        <translation>índice mensual</translation>
    </message>
    <message>
        <source>quarterly index</source>
        <translation>índice trimestral</translation>
    </message>
    <message>
        <source>annual change</source>
        <translation>variación anual</translation>
    </message>
    <message>
        <source>Euro area</source>
        <translation>Zona del euro</translation>
    </message>
    <message>
        <source>Currency area %1</source>
        <extracomment>%1 a currency code such as USD</extracomment>
        <translation>Zona monetaria %1</translation>
    </message>
    <message>
        <source>Regions and country groups</source>
        <translation>Regiones y grupos de países</translation>
    </message>
    <message>
        <source>Other series</source>
        <translation>Otras series</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <extracomment>%1 where the figures come from</extracomment>
        <translation>Fuente: %1</translation>
    </message>
    <message>
        <source>Publisher: %1</source>
        <extracomment>%1 the publisher of the figures</extracomment>
        <translation>Editor: %1</translation>
    </message>
    <message>
        <source>taken %1</source>
        <extracomment>One of the facts of a series, after its coverage; %1 when or where the figures were taken</extracomment>
        <translation>tomado %1</translation>
    </message>
    <message>
        <source>Price Index</source>
        <translation>Índice de precios</translation>
    </message>
    <message>
        <source>The data record dialog suggests inflation rates from this price index:</source>
        <translation>El diálogo de registros sugiere tasas de inflación a partir de este índice de precios:</translation>
    </message>
    <message>
        <source>Find a series or country</source>
        <translation>Buscar una serie o un país</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Cobertura</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>%1 (imported)</source>
        <extracomment>%1 the title of a series the user imported</extracomment>
        <translation>%1 (importada)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>No series chosen.</source>
        <translation>No se ha elegido ninguna serie.</translation>
    </message>
    <message>
        <source>Choose a price index from the list.</source>
        <translation>Elija un índice de precios de la lista.</translation>
    </message>
</context>
<context>
    <name>ui::index::RateSuggestion</name>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Usar</translation>
    </message>
    <message>
        <source>No suggestion: %1</source>
        <extracomment>%1 why the price index cannot be read
----------
%1 why no rate can be given</extracomment>
        <translation>Sin sugerencia: %1</translation>
    </message>
    <message>
        <source>&amp;Monthly</source>
        <translation>&amp;Mensual</translation>
    </message>
    <message>
        <source>&amp;Quarterly</source>
        <translation>&amp;Trimestral</translation>
    </message>
    <message>
        <source>Suggest rates from the %1 %2 (%3) instead of annual averages</source>
        <extracomment>%1 the frequency (monthly, quarterly), %2 the series&apos; title, %3 its name</extracomment>
        <translation>Sugerir tasas a partir del %1 %2 (%3) en lugar de medias anuales</translation>
    </message>
    <message>
        <source>Use the %1 series %2</source>
        <extracomment>%1 the frequency (monthly, quarterly), %2 the series&apos; title</extracomment>
        <translation>Usar la serie %2 (%1)</translation>
    </message>
    <message>
        <source>No suggestion: line %1 of the data records cannot be read.</source>
        <extracomment>%1 a line number</extracomment>
        <translation>Sin sugerencia: no se puede leer la línea %1 de los registros.</translation>
    </message>
    <message>
        <source>No suggestion for the investment&apos;s first record.</source>
        <translation>Sin sugerencia para el primer registro de la inversión.</translation>
    </message>
    <message>
        <source>No suggestion: no earlier record has both amounts above 0.</source>
        <translation>Sin sugerencia: ningún registro anterior tiene ambos importes por encima de 0.</translation>
    </message>
    <message>
        <source>No suggestion until the Date box holds a date.</source>
        <translation>Sin sugerencia hasta que el cuadro Fecha contenga una fecha.</translation>
    </message>
    <message>
        <source>About %1 % since %2, from annual averages</source>
        <extracomment>%1 a rate in percent, %2 a date</extracomment>
        <translation>Aprox. %1 % desde %2, a partir de medias anuales</translation>
    </message>
    <message>
        <source>%1: %2 % since %3, provisional</source>
        <extracomment>%1 the series&apos; title, %2 a rate in percent, %3 a date</extracomment>
        <translation>%1: %2 % desde %3, provisional</translation>
    </message>
    <message>
        <source>%1: %2 % since %3</source>
        <extracomment>%1 the series&apos; title, %2 a rate in percent, %3 a date</extracomment>
        <translation>%1: %2 % desde %3</translation>
    </message>
    <message>
        <source>No suggestion: %1 % is too large for the rate box.</source>
        <extracomment>%1 a rate in percent</extracomment>
        <translation>Sin sugerencia: %1 % es demasiado grande para el cuadro de la tasa.</translation>
    </message>
    <message>
        <source>No suggestion: the date is before %1, where the rate would start.</source>
        <extracomment>%1 a date</extracomment>
        <translation>Sin sugerencia: la fecha es anterior a %1, donde empezaría la tasa.</translation>
    </message>
</context>
<context>
    <name>ui::report::ReportDialog</name>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Report on</source>
        <translation>Informe de</translation>
    </message>
    <message>
        <source>&amp;Shown investment</source>
        <translation>Inversión &amp;mostrada</translation>
    </message>
    <message>
        <source>&amp;Shown investment (number %1)</source>
        <extracomment>%1 the number of the investment, which has no type or institution</extracomment>
        <translation>Inversión &amp;mostrada (número %1)</translation>
    </message>
    <message>
        <source>&amp;Shown investment (%1)</source>
        <extracomment>%1 the investment&apos;s type and institution</extracomment>
        <translation>Inversión &amp;mostrada (%1)</translation>
    </message>
    <message>
        <source>&amp;All investments</source>
        <translation>&amp;Todas las inversiones</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>C&amp;reate</source>
        <translation>C&amp;rear</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Save Report As</source>
        <translation>Guardar informe como</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Please enter the name of the report file.</source>
        <translation>Escriba el nombre del archivo del informe.</translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <extracomment>%1 a file</extracomment>
        <translation>%1 ya existe.<byte value="xd"/>
¿Desea sustituirlo?</translation>
    </message>
    <message>
        <source>Page 0 of %1</source>
        <extracomment>%1 the number of pages</extracomment>
        <translation>Página 0 de %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>%1 and %2 page numbers</extracomment>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>The report (%1 page) was saved as<byte value="xd"/>
%2</source>
        <extracomment>%1 the number of pages, %2 the report&apos;s file</extracomment>
        <translation>El informe (%1 página) se ha guardado como<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The report (%1 pages) was saved as<byte value="xd"/>
%2</source>
        <translation>El informe (%1 páginas) se ha guardado como<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Cancelled: no report was written.</source>
        <translation>Cancelado: no se ha escrito ningún informe.</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>Reading the data records...</source>
        <translation>Leyendo los registros...</translation>
    </message>
    <message>
        <source>Sa&amp;ve as:</source>
        <translation>&amp;Guardar como:</translation>
    </message>
</context>
</TS>
