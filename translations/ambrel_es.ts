<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AccuracySlider</name>
    <message>
        <source>Full precision</source>
        <translation>Precisión completa</translation>
    </message>
</context>
<context>
    <name>Ambrel</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>No se puede imprimir: %1</translation>
    </message>
</context>
<context>
    <name>FirstRunWindow</name>
    <message>
        <source>License and warranty</source>
        <translation>Licencia y garantía</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Ambrel&lt;/h2&gt;&lt;p&gt;Every unit of a quantity at once. Please read the license and warranty below.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Ambrel&lt;/h2&gt;&lt;p&gt;Todas las unidades de una magnitud a la vez. Lea, por favor, la licencia y la garantía que siguen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Ambrel is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.&lt;/p&gt;
&lt;p&gt;Ambrel is distributed in the hope that it will be useful, but &lt;b&gt;without any warranty&lt;/b&gt;; without even the implied warranty of merchantability or fitness for a particular purpose. See the GNU General Public License for more details.&lt;/p&gt;
&lt;p&gt;You should have received a copy of the GNU General Public License along with Ambrel. If not, see &lt;a href=&quot;https://www.gnu.org/licenses/&quot;&gt;https://www.gnu.org/licenses/&lt;/a&gt;.&lt;/p&gt;
&lt;p&gt;The conversion factors are those each window lists in its notebook. The box below starts ticked: Ambrel converts with the units&apos; exact definitions (2019 SI, the international yard and pound, the imperial and US gallons). Clear it, here or on the main menu, for the classic tables, whose factors are rounded on purpose: 30 units differ from their definitions by more than 0.01%, most of all: troy carat (−90%), metric tablespoon (+33%), US dry ounce (−17%), US dry dram (−17%), Mach (−13%) and imperial bushel (−1.0%). Help › Summary of the windows lists them all. You can change this at any time.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ambrel es software libre: puede redistribuirlo y/o modificarlo según los términos de la Licencia Pública General GNU publicada por la Free Software Foundation, ya sea la versión 3 de la Licencia o (a su elección) cualquier versión posterior.&lt;/p&gt;
&lt;p&gt;Ambrel se distribuye con la esperanza de que sea útil, pero &lt;b&gt;sin ninguna garantía&lt;/b&gt;; ni siquiera la garantía implícita de comerciabilidad o idoneidad para un propósito particular. Consulte la Licencia Pública General GNU para más detalles.&lt;/p&gt;
&lt;p&gt;Debería haber recibido una copia de la Licencia Pública General GNU junto con Ambrel. Si no es así, consulte &lt;a href=&quot;https://www.gnu.org/licenses/&quot;&gt;https://www.gnu.org/licenses/&lt;/a&gt;.&lt;/p&gt;
&lt;p&gt;Los factores de conversión son los que cada ventana indica en su cuaderno. La casilla de abajo empieza marcada: Ambrel convierte con las definiciones exactas de las unidades (el SI de 2019, la yarda y la libra internacionales, los galones imperial y estadounidense). Desmárquela, aquí o en el menú principal, para usar las tablas clásicas, cuyos factores están redondeados a propósito: 30 unidades difieren de sus definiciones en más de un 0,01&#xa0;%, sobre todo el quilate troy (−90&#xa0;%), la cucharada métrica (+33&#xa0;%), la onza seca estadounidense (−17&#xa0;%), la dracma seca estadounidense (−17&#xa0;%), el Mach (−13&#xa0;%) y el bushel imperial (−1,0&#xa0;%). Ayuda › Resumen de las ventanas las enumera todas. Puede cambiarlo en cualquier momento.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Convert with &amp;exact definitions (clear this for the classic tables)</source>
        <translation>Convertir con las &amp;definiciones exactas (sin marcar: tablas clásicas)</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
</context>
<context>
    <name>FormWindow</name>
    <message>
        <source>Cl&amp;ose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>A result has no value for these numbers</source>
        <translation>Un resultado no tiene valor para estos números</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>“%1”: %2</source>
        <translation>«%1»: %2</translation>
    </message>
    <message>
        <source>full precision</source>
        <translation>precisión completa</translation>
    </message>
    <message numerus="yes">
        <source>%n decimal(s)</source>
        <translation>
            <numerusform>%n decimal</numerusform>
            <numerusform>%n decimales</numerusform>
        </translation>
    </message>
    <message>
        <source>Accuracy: %1</source>
        <translation>Precisión: %1</translation>
    </message>
    <message>
        <source>Exact definitions</source>
        <translation>Definiciones exactas</translation>
    </message>
    <message>
        <source>Classic tables</source>
        <translation>Tablas clásicas</translation>
    </message>
</context>
<context>
    <name>HelpIntroWindow</name>
    <message>
        <source>Using Ambrel</source>
        <translation>Cómo usar Ambrel</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Using Ambrel&lt;/h2&gt;&lt;p&gt;Every unit of a quantity at once: type a number, press Enter, read the rest.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Cómo usar Ambrel&lt;/h2&gt;&lt;p&gt;Todas las unidades de una magnitud a la vez: escriba un número, pulse Intro y lea el resto.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Converting&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;In the main menu, press the button of a quantity, for example &lt;b&gt;Length&lt;/b&gt;.&lt;/li&gt;
&lt;li&gt;Type a number in the field of the unit you have, for example 1&#xa0;in the &lt;i&gt;foot&lt;/i&gt; field.&lt;/li&gt;
&lt;li&gt;Press &lt;b&gt;Enter&lt;/b&gt;. Every other field now shows the same length in its own unit. The field you typed in keeps your number.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Behind the scenes the number is turned into the window&apos;s base unit (the meter for lengths) and every other field is computed from that. Each window&apos;s &lt;b&gt;Notebook&lt;/b&gt; button explains its units and the factors it uses.&lt;/p&gt;
&lt;h3&gt;Accuracy&lt;/h3&gt;
&lt;p&gt;The &lt;b&gt;Decimals shown&lt;/b&gt; field and slider in the main menu set how many digits right of the decimal point the converter windows show. The setting is remembered, and a change applies at once to the converter windows you have opened. Numbers are always kept in full: raise the accuracy, or hover over a field, to see every digit.&lt;/p&gt;
&lt;h3&gt;Exact definitions&lt;/h3&gt;
&lt;p&gt;With &lt;b&gt;Exact definitions&lt;/b&gt; ticked in the main menu, as it is at first, every result is the conversion by the units&apos; definitions (2019 SI, the international yard and pound, the imperial and US gallons). Clear it to convert with the classic tables, whose factors are rounded; &lt;b&gt;Help › Summary of the windows&lt;/b&gt; lists every unit they get wrong by more than 1 in 10&#x202f;000. Window titles then end in &lt;i&gt;classic tables&lt;/i&gt;.&lt;/p&gt;
&lt;h3&gt;Entering numbers&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Use a decimal point or your language&apos;s decimal separator; exponents such as &lt;code&gt;1.5e-3&lt;/code&gt; work too. An empty field counts as 0.&lt;/li&gt;
&lt;li&gt;Text that is not a number is refused with the alert sound and a note at the bottom of the window. Your text stays so that you can correct it, and nothing else changes.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Further calculators&lt;/h3&gt;
&lt;p&gt;The &lt;b&gt;Further calculators&lt;/b&gt; button opens four small calculators: file transfer time, proportion, linear interpolation and power-to-weight ratio. Fill in the inputs and press &lt;b&gt;Enter&lt;/b&gt; or &lt;b&gt;Calculate&lt;/b&gt;.&lt;/p&gt;
&lt;h3&gt;The command line&lt;/h3&gt;
&lt;p&gt;&lt;code&gt;ambrel length 1&#xa0;foot&lt;/code&gt;&lt;br/&gt;prints every length for 1&#xa0;foot as a readable table. Any window and unit work the same way, for example &lt;code&gt;ambrel area 1&#xa0;acre&lt;/code&gt;; quotes around a unit of several words are optional: &lt;code&gt;ambrel velocity 60&#xa0;mile per hour&lt;/code&gt;. Results follow the units&apos; exact definitions; add &lt;code&gt;--classic&lt;/code&gt; to convert with the classic tables.&lt;/p&gt;
&lt;p&gt;&lt;code&gt;ambrel run --tsv length FeetField=1&lt;/code&gt;&lt;br/&gt;runs a window as a script: the step &lt;code&gt;FeetField=1&lt;/code&gt; types 1 into the foot field and presses Enter. The output has one line per field: its name, the stored value (which reads back exactly) and the text the window shows, separated by tabs. Add &lt;code&gt;--accuracy 6&lt;/code&gt; for six decimals.&lt;/p&gt;
&lt;p&gt;The windows are &lt;code&gt;length area velocity pressure temperature time volume weight power-energy fuel-light computing file-transfer proportion interpolation power-weight&lt;/code&gt;. A step &lt;code&gt;Calc:&lt;/code&gt; sends an action, for example to the calculators. The exit status is 0 when all went well, 2 when an entry was refused and 64 for a usage error. &lt;code&gt;ambrel --help&lt;/code&gt; shows a summary.&lt;/p&gt;
</source>
        <translation>&lt;h3&gt;Conversión&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;En el menú principal, pulse el botón de una magnitud, por ejemplo &lt;b&gt;Longitud&lt;/b&gt;.&lt;/li&gt;
&lt;li&gt;Escriba un número en el campo de la unidad que tiene, por ejemplo 1&#xa0;en el campo &lt;i&gt;pie&lt;/i&gt;.&lt;/li&gt;
&lt;li&gt;Pulse &lt;b&gt;Intro&lt;/b&gt;. Todos los demás campos muestran ahora la misma longitud, cada uno en su unidad. El campo en el que escribió conserva su número.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Internamente, el número se pasa a la unidad base de la ventana (el metro en las longitudes), y todos los demás campos se calculan a partir de ella. El botón &lt;b&gt;Cuaderno&lt;/b&gt; de cada ventana explica sus unidades y los factores que usa.&lt;/p&gt;
&lt;h3&gt;Precisión&lt;/h3&gt;
&lt;p&gt;El campo y el control deslizante &lt;b&gt;Decimales mostrados&lt;/b&gt; del menú principal fijan cuántas cifras a la derecha de la coma decimal muestran las ventanas de conversión. El ajuste se recuerda, y un cambio se aplica de inmediato a las ventanas de conversión que tenga abiertas. Los números se guardan siempre completos: aumente la precisión, o deje el puntero sobre un campo, para ver todas las cifras.&lt;/p&gt;
&lt;h3&gt;Definiciones exactas&lt;/h3&gt;
&lt;p&gt;Con &lt;b&gt;Definiciones exactas&lt;/b&gt; marcada en el menú principal, como está al principio, cada resultado es la conversión según las definiciones de las unidades (el SI de 2019, la yarda y la libra internacionales, los galones imperial y estadounidense). Desmárquela para convertir con las tablas clásicas, cuyos factores están redondeados; &lt;b&gt;Ayuda › Resumen de las ventanas&lt;/b&gt; enumera todas las unidades en las que yerran en más de 1 entre 10&#x202f;000. Los títulos de las ventanas terminan entonces en &lt;i&gt;tablas clásicas&lt;/i&gt;.&lt;/p&gt;
&lt;h3&gt;Cómo escribir los números&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Use el punto decimal o el separador decimal de su idioma; también se admiten exponentes como &lt;code&gt;1.5e-3&lt;/code&gt;. Un campo vacío cuenta como 0.&lt;/li&gt;
&lt;li&gt;Un texto que no sea un número se rechaza con el sonido de aviso y una nota al pie de la ventana. Su texto se queda para que pueda corregirlo, y no cambia nada más.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Otras calculadoras&lt;/h3&gt;
&lt;p&gt;El botón &lt;b&gt;Otras calculadoras&lt;/b&gt; abre cuatro pequeñas calculadoras: tiempo de transferencia de archivos, proporción, interpolación lineal y relación potencia-peso. Rellene los datos y pulse &lt;b&gt;Intro&lt;/b&gt; o &lt;b&gt;Calcular&lt;/b&gt;.&lt;/p&gt;
&lt;h3&gt;La línea de órdenes&lt;/h3&gt;
&lt;p&gt;&lt;code&gt;ambrel length 1&#xa0;foot&lt;/code&gt;&lt;br/&gt;imprime en una tabla legible todas las longitudes que equivalen a 1&#xa0;pie. Cualquier ventana y cualquier unidad funcionan igual, por ejemplo &lt;code&gt;ambrel area 1&#xa0;acre&lt;/code&gt;; las comillas alrededor de una unidad de varias palabras son opcionales: &lt;code&gt;ambrel velocity 60&#xa0;mile per hour&lt;/code&gt;. En la línea de órdenes, las ventanas y las unidades se escriben en inglés. Los resultados siguen las definiciones exactas de las unidades; añada &lt;code&gt;--classic&lt;/code&gt; para convertir con las tablas clásicas.&lt;/p&gt;
&lt;p&gt;&lt;code&gt;ambrel run --tsv length FeetField=1&lt;/code&gt;&lt;br/&gt;ejecuta una ventana como un script: el paso &lt;code&gt;FeetField=1&lt;/code&gt; escribe 1 en el campo del pie y pulsa Intro. La salida tiene una línea por campo: su nombre, el valor guardado (que se vuelve a leer exactamente) y el texto que muestra la ventana, separados por tabuladores. Añada &lt;code&gt;--accuracy 6&lt;/code&gt; para seis decimales.&lt;/p&gt;
&lt;p&gt;Las ventanas son &lt;code&gt;length area velocity pressure temperature time volume weight power-energy fuel-light computing file-transfer proportion interpolation power-weight&lt;/code&gt;. Un paso &lt;code&gt;Calc:&lt;/code&gt; envía una acción, por ejemplo a las calculadoras. El código de salida es 0 si todo ha ido bien, 2 si se ha rechazado una entrada y 64 ante un error de uso. &lt;code&gt;ambrel --help&lt;/code&gt; muestra un resumen.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>MainMenuWindow</name>
    <message>
        <source>Accuracy</source>
        <translation>Precisión</translation>
    </message>
    <message>
        <source>Deci&amp;mals shown</source>
        <translation>Deci&amp;males mostrados</translation>
    </message>
    <message>
        <source>Decimals shown</source>
        <translation>Decimales mostrados</translation>
    </message>
    <message>
        <source>From %1 decimals on, every number shows all the digits it has</source>
        <translation>A partir de %1 decimales, cada número muestra todas sus cifras</translation>
    </message>
    <message>
        <source>E&amp;xact definitions</source>
        <translation>Definiciones e&amp;xactas</translation>
    </message>
    <message>
        <source>Ticked: convert with the units&apos; exact definitions (2019 SI, the international yard and pound, the imperial and US gallons). Cleared: the classic tables, with their rounded factors</source>
        <translation>Marcada: convertir con las definiciones exactas de las unidades (el SI de 2019, la yarda y la libra internacionales, los galones imperial y estadounidense). Desmarcada: las tablas clásicas, con sus factores redondeados</translation>
    </message>
    <message>
        <source>Further calc&amp;ulators…</source>
        <translation>Otras calc&amp;uladoras…</translation>
    </message>
    <message>
        <source>Am&amp;brel</source>
        <translation>Am&amp;brel</translation>
    </message>
    <message>
        <source>&amp;About Ambrel</source>
        <translation>&amp;Acerca de Ambrel</translation>
    </message>
    <message>
        <source>&amp;License and warranty</source>
        <translation>&amp;Licencia y garantía</translation>
    </message>
    <message>
        <source>&amp;Manual in a browser</source>
        <translation>&amp;Manual en el navegador</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;How to use Ambrel</source>
        <translation>&amp;Cómo usar Ambrel</translation>
    </message>
    <message>
        <source>&amp;Summary of the windows</source>
        <translation>&amp;Resumen de las ventanas</translation>
    </message>
    <message>
        <source>&amp;Notes on fuel and light</source>
        <translation>&amp;Notas sobre combustible y luz</translation>
    </message>
    <message>
        <source>SI and binary &amp;prefixes</source>
        <translation>&amp;Prefijos del SI y binarios</translation>
    </message>
</context>
<context>
    <name>MoreInfoWindow</name>
    <message>
        <source>About Ambrel</source>
        <translation>Acerca de Ambrel</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Ambrel&lt;/h2&gt;&lt;p&gt;Version @VERSION@&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Ambrel&lt;/h2&gt;&lt;p&gt;Versión @VERSION@&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Ambrel is a unit converter for the Linux desktop. Each converter window shows every unit of its quantity at once; type a number into any field, press Enter, and every other field follows. The same converters run on the command line (&lt;code&gt;ambrel --help&lt;/code&gt;).&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Manual:&lt;/b&gt; &lt;a href=&quot;@HOMEPAGE@&quot;&gt;@HOMEPAGE@&lt;/a&gt; (Ambrel › Manual in a browser opens it)&lt;/p&gt;
&lt;p&gt;&lt;b&gt;License:&lt;/b&gt; GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). Ambrel comes with no warranty; the &quot;License and warranty&quot; window has the details.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Settings:&lt;/b&gt; the accuracy, and whether the welcome window has been seen, are kept in &lt;code&gt;~/.config/Orlune/Ambrel.conf&lt;/code&gt; (under &lt;code&gt;$XDG_CONFIG_HOME&lt;/code&gt; instead of &lt;code&gt;~/.config&lt;/code&gt; when that is set). Ambrel keeps no other files.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Factors:&lt;/b&gt; every window uses the conversion factors listed in its notebook. Some are rounded values kept on purpose, so some results differ from exact conversions; check results that matter against an authoritative source.&lt;/p&gt;
&lt;p&gt;Built with C++ and Qt 6.&lt;/p&gt;
</source>
        <translation>&lt;p&gt;Ambrel es un conversor de unidades para el escritorio Linux. Cada ventana de conversión muestra a la vez todas las unidades de su magnitud: escriba un número en cualquier campo, pulse Intro y todos los demás campos se actualizan. Los mismos conversores funcionan en la línea de órdenes (&lt;code&gt;ambrel --help&lt;/code&gt;).&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Manual:&lt;/b&gt; &lt;a href=&quot;@HOMEPAGE@&quot;&gt;@HOMEPAGE@&lt;/a&gt; (lo abre Ambrel › Manual en el navegador)&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Licencia:&lt;/b&gt; Licencia Pública General GNU, versión 3 o (a su elección) cualquier versión posterior (GPL-3.0-or-later). Ambrel se ofrece sin ninguna garantía; la ventana «Licencia y garantía» da los detalles.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Ajustes:&lt;/b&gt; la precisión, y si ya se ha visto la ventana de bienvenida, se guardan en &lt;code&gt;~/.config/Orlune/Ambrel.conf&lt;/code&gt; (bajo &lt;code&gt;$XDG_CONFIG_HOME&lt;/code&gt; en lugar de &lt;code&gt;~/.config&lt;/code&gt; si esa variable está definida). Ambrel no guarda ningún otro archivo.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Factores:&lt;/b&gt; cada ventana usa los factores de conversión que indica su cuaderno. Algunos son valores redondeados que se conservan a propósito, así que algunos resultados difieren de las conversiones exactas; compruebe los resultados importantes con una fuente fiable.&lt;/p&gt;
&lt;p&gt;Hecho con C++ y Qt 6.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Full precision</source>
        <translation>Precisión completa</translation>
    </message>
    <message>
        <source>Every unit of a quantity at once.
Version %1</source>
        <translation>Todas las unidades de una magnitud a la vez.
Versión %1</translation>
    </message>
    <message>
        <source>Click or press Return to go on</source>
        <translation>Haga clic o pulse Intro para continuar</translation>
    </message>
    <message>
        <source>Further calculators</source>
        <translation>Otras calculadoras</translation>
    </message>
    <message>
        <source>&lt;b&gt;Further calculators&lt;/b&gt;</source>
        <translation>&lt;b&gt;Otras calculadoras&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>QtField</name>
    <message>
        <source>Full value: %1</source>
        <translation>Valor completo: %1</translation>
    </message>
    <message>
        <source>The pasted text has %1 characters; a cell takes at most %2. Nothing was pasted.</source>
        <translation>El texto pegado tiene %1 caracteres; un campo admite como máximo %2. No se ha pegado nada.</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <translation>Menú de %1</translation>
    </message>
    <message>
        <source>Copy &amp;Shown Value</source>
        <translation>Copiar el valor &amp;mostrado</translation>
    </message>
    <message>
        <source>Copy &amp;Full Value</source>
        <translation>Copiar el valor comp&amp;leto</translation>
    </message>
</context>
<context>
    <name>QtNotebookWindow</name>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>No web browser</source>
        <translation>No hay navegador web</translation>
    </message>
    <message>
        <source>No web browser could be started to show %1.</source>
        <translation>No se ha podido abrir ningún navegador web para mostrar %1.</translation>
    </message>
    <message>
        <source>Ambrel&apos;s manual is %1, with the README beside it and each window&apos;s notebook in %2. Open them in any browser or text viewer.</source>
        <translation>El manual de Ambrel es %1, con el README al lado y el cuaderno de cada ventana en %2. Ábralos con cualquier navegador o visor de texto.</translation>
    </message>
</context>
<context>
    <name>SIPrefixesWindow</name>
    <message>
        <source>SI and Binary Prefixes</source>
        <translation>Prefijos del SI y binarios</translation>
    </message>
    <message>
        <source>&lt;h2&gt;SI and binary prefixes&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Prefijos del SI y binarios&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;SI prefixes&lt;/h3&gt;
&lt;p&gt;A prefix multiplies the unit it stands before: 1&#xa0;km = 1000&#xa0;m, 1&#xa0;ms = 0.001&#xa0;s. The symbols are case-sensitive (m is milli, M is mega), and prefixes are never combined.&lt;/p&gt;
&lt;table border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;th&gt;Prefix&lt;/th&gt;&lt;th&gt;Symbol&lt;/th&gt;&lt;th&gt;Factor&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;quetta&lt;/td&gt;&lt;td&gt;Q&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;30&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;ronna&lt;/td&gt;&lt;td&gt;R&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;27&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;yotta&lt;/td&gt;&lt;td&gt;Y&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;24&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;zetta&lt;/td&gt;&lt;td&gt;Z&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;21&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;exa&lt;/td&gt;&lt;td&gt;E&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;18&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;peta&lt;/td&gt;&lt;td&gt;P&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;15&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;tera&lt;/td&gt;&lt;td&gt;T&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;12&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;giga&lt;/td&gt;&lt;td&gt;G&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;9&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;mega&lt;/td&gt;&lt;td&gt;M&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;6&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;kilo&lt;/td&gt;&lt;td&gt;k&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;3&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;hecto&lt;/td&gt;&lt;td&gt;h&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;2&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;deca&lt;/td&gt;&lt;td&gt;da&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;1&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;deci&lt;/td&gt;&lt;td&gt;d&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−1&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;centi&lt;/td&gt;&lt;td&gt;c&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−2&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;milli&lt;/td&gt;&lt;td&gt;m&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−3&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;micro&lt;/td&gt;&lt;td&gt;µ&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−6&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;nano&lt;/td&gt;&lt;td&gt;n&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−9&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;pico&lt;/td&gt;&lt;td&gt;p&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−12&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;femto&lt;/td&gt;&lt;td&gt;f&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−15&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;atto&lt;/td&gt;&lt;td&gt;a&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−18&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;zepto&lt;/td&gt;&lt;td&gt;z&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−21&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;yocto&lt;/td&gt;&lt;td&gt;y&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−24&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;ronto&lt;/td&gt;&lt;td&gt;r&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−27&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;quecto&lt;/td&gt;&lt;td&gt;q&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−30&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;The prefixes ronna, ronto, quetta and quecto were added in 2022. In the United States deca is spelled deka, as in the length window&apos;s dekameter. The micro sign µ may be written u where it is not available.&lt;/p&gt;
&lt;h3&gt;Binary prefixes&lt;/h3&gt;
&lt;p&gt;For quantities of data, multiples of 1024 are common. The IEC binary prefixes (IEC 80000-13) name them unambiguously: 1&#xa0;KiB = 1024&#xa0;bytes, while 1&#xa0;kB = 1000&#xa0;bytes. The computing window offers both.&lt;/p&gt;
&lt;table border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;th&gt;Prefix&lt;/th&gt;&lt;th&gt;Symbol&lt;/th&gt;&lt;th&gt;Factor&lt;/th&gt;&lt;th&gt;Written out&lt;/th&gt;&lt;th&gt;Larger than the SI prefix&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;kibi&lt;/td&gt;&lt;td&gt;Ki&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;10&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;024&lt;/td&gt;&lt;td&gt;kilo: 2.4 %&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;mebi&lt;/td&gt;&lt;td&gt;Mi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;20&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;048&#xa0;576&lt;/td&gt;&lt;td&gt;mega: 4.9 %&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;gibi&lt;/td&gt;&lt;td&gt;Gi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;30&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;073&#xa0;741&#xa0;824&lt;/td&gt;&lt;td&gt;giga: 7.4 %&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;tebi&lt;/td&gt;&lt;td&gt;Ti&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;40&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;099&#xa0;511&#xa0;627&#xa0;776&lt;/td&gt;&lt;td&gt;tera: 10.0 %&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;pebi&lt;/td&gt;&lt;td&gt;Pi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;50&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;125&#xa0;899&#xa0;906&#xa0;842&#xa0;624&lt;/td&gt;&lt;td&gt;peta: 12.6 %&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;exbi&lt;/td&gt;&lt;td&gt;Ei&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;60&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;152&#xa0;921&#xa0;504&#xa0;606&#xa0;846&#xa0;976&lt;/td&gt;&lt;td&gt;exa: 15.3 %&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;zebi&lt;/td&gt;&lt;td&gt;Zi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;70&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;180&#xa0;591&#xa0;620&#xa0;717&#xa0;411&#xa0;303&#xa0;424&lt;/td&gt;&lt;td&gt;zetta: 18.1 %&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;yobi&lt;/td&gt;&lt;td&gt;Yi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;80&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;208&#xa0;925&#xa0;819&#xa0;614&#xa0;629&#xa0;174&#xa0;706&#xa0;176&lt;/td&gt;&lt;td&gt;yotta: 20.9 %&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;robi&lt;/td&gt;&lt;td&gt;Ri&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;90&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;237&#xa0;940&#xa0;039&#xa0;285&#xa0;380&#xa0;274&#xa0;899&#xa0;124&#xa0;224&lt;/td&gt;&lt;td&gt;ronna: 23.8 %&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;quebi&lt;/td&gt;&lt;td&gt;Qi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;100&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;267&#xa0;650&#xa0;600&#xa0;228&#xa0;229&#xa0;401&#xa0;496&#xa0;703&#xa0;205&#xa0;376&lt;/td&gt;&lt;td&gt;quetta: 26.8 %&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
</source>
        <translation>&lt;h3&gt;Prefijos del SI&lt;/h3&gt;
&lt;p&gt;Un prefijo multiplica la unidad a la que precede: 1&#xa0;km = 1000&#xa0;m, 1&#xa0;ms = 0,001&#xa0;s. Los símbolos distinguen mayúsculas de minúsculas (m es mili, M es mega), y los prefijos nunca se combinan.&lt;/p&gt;
&lt;table border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;th&gt;Prefijo&lt;/th&gt;&lt;th&gt;Símbolo&lt;/th&gt;&lt;th&gt;Factor&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;quetta&lt;/td&gt;&lt;td&gt;Q&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;30&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;ronna&lt;/td&gt;&lt;td&gt;R&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;27&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;yotta&lt;/td&gt;&lt;td&gt;Y&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;24&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;zetta&lt;/td&gt;&lt;td&gt;Z&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;21&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;exa&lt;/td&gt;&lt;td&gt;E&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;18&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;peta&lt;/td&gt;&lt;td&gt;P&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;15&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;tera&lt;/td&gt;&lt;td&gt;T&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;12&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;giga&lt;/td&gt;&lt;td&gt;G&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;9&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;mega&lt;/td&gt;&lt;td&gt;M&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;6&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;kilo&lt;/td&gt;&lt;td&gt;k&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;3&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;hecto&lt;/td&gt;&lt;td&gt;h&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;2&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;deca&lt;/td&gt;&lt;td&gt;da&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;1&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;deci&lt;/td&gt;&lt;td&gt;d&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−1&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;centi&lt;/td&gt;&lt;td&gt;c&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−2&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;mili&lt;/td&gt;&lt;td&gt;m&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−3&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;micro&lt;/td&gt;&lt;td&gt;µ&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−6&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;nano&lt;/td&gt;&lt;td&gt;n&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−9&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;pico&lt;/td&gt;&lt;td&gt;p&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−12&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;femto&lt;/td&gt;&lt;td&gt;f&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−15&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;atto&lt;/td&gt;&lt;td&gt;a&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−18&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;zepto&lt;/td&gt;&lt;td&gt;z&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−21&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;yocto&lt;/td&gt;&lt;td&gt;y&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−24&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;ronto&lt;/td&gt;&lt;td&gt;r&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−27&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;quecto&lt;/td&gt;&lt;td&gt;q&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−30&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Los prefijos ronna, ronto, quetta y quecto se añadieron en 2022. En el inglés de los Estados Unidos, deca se escribe deka, como en «dekameter», el decámetro de la ventana de longitudes. Donde no se disponga del signo micro µ, puede escribirse u.&lt;/p&gt;
&lt;h3&gt;Prefijos binarios&lt;/h3&gt;
&lt;p&gt;En las cantidades de datos son habituales los múltiplos de 1024. Los prefijos binarios de la CEI (IEC 80000-13) los nombran sin ambigüedad: 1&#xa0;KiB = 1024&#xa0;bytes, mientras que 1&#xa0;kB = 1000&#xa0;bytes. La ventana de informática ofrece ambos.&lt;/p&gt;
&lt;table border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;th&gt;Prefijo&lt;/th&gt;&lt;th&gt;Símbolo&lt;/th&gt;&lt;th&gt;Factor&lt;/th&gt;&lt;th&gt;Escrito en cifras&lt;/th&gt;&lt;th&gt;Mayor que el prefijo del SI&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;kibi&lt;/td&gt;&lt;td&gt;Ki&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;10&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;024&lt;/td&gt;&lt;td&gt;kilo: 2,4&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;mebi&lt;/td&gt;&lt;td&gt;Mi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;20&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;048&#xa0;576&lt;/td&gt;&lt;td&gt;mega: 4,9&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;gibi&lt;/td&gt;&lt;td&gt;Gi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;30&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;073&#xa0;741&#xa0;824&lt;/td&gt;&lt;td&gt;giga: 7,4&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;tebi&lt;/td&gt;&lt;td&gt;Ti&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;40&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;099&#xa0;511&#xa0;627&#xa0;776&lt;/td&gt;&lt;td&gt;tera: 10,0&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;pebi&lt;/td&gt;&lt;td&gt;Pi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;50&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;125&#xa0;899&#xa0;906&#xa0;842&#xa0;624&lt;/td&gt;&lt;td&gt;peta: 12,6&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;exbi&lt;/td&gt;&lt;td&gt;Ei&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;60&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;152&#xa0;921&#xa0;504&#xa0;606&#xa0;846&#xa0;976&lt;/td&gt;&lt;td&gt;exa: 15,3&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;zebi&lt;/td&gt;&lt;td&gt;Zi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;70&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;180&#xa0;591&#xa0;620&#xa0;717&#xa0;411&#xa0;303&#xa0;424&lt;/td&gt;&lt;td&gt;zetta: 18,1&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;yobi&lt;/td&gt;&lt;td&gt;Yi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;80&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;208&#xa0;925&#xa0;819&#xa0;614&#xa0;629&#xa0;174&#xa0;706&#xa0;176&lt;/td&gt;&lt;td&gt;yotta: 20,9&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;robi&lt;/td&gt;&lt;td&gt;Ri&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;90&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;237&#xa0;940&#xa0;039&#xa0;285&#xa0;380&#xa0;274&#xa0;899&#xa0;124&#xa0;224&lt;/td&gt;&lt;td&gt;ronna: 23,8&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;quebi&lt;/td&gt;&lt;td&gt;Qi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;100&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;267&#xa0;650&#xa0;600&#xa0;228&#xa0;229&#xa0;401&#xa0;496&#xa0;703&#xa0;205&#xa0;376&lt;/td&gt;&lt;td&gt;quetta: 26,8&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>%1… (%2 characters)</source>
        <translation>%1… (%2 caracteres)</translation>
    </message>
</context>
<context>
    <name>UnitFinderField</name>
    <message>
        <source>Find a unit or a quantity, e.g. 3 ft (Ctrl+F)</source>
        <translation>Buscar una unidad o una cantidad, p. ej., 3 ft (Ctrl+F)</translation>
    </message>
    <message>
        <source>Find a unit</source>
        <translation>Buscar una unidad</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Borrar la búsqueda</translation>
    </message>
    <message>
        <source>Matching units</source>
        <translation>Unidades que coinciden</translation>
    </message>
    <message>
        <source>No unit is called “%1”</source>
        <translation>Ninguna unidad se llama «%1»</translation>
    </message>
</context>
<context>
    <name>ambrel</name>
    <message>
        <source>bytes</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>kilobytes</source>
        <translation>kilobytes</translation>
    </message>
    <message>
        <source>megabytes</source>
        <translation>megabytes</translation>
    </message>
    <message>
        <source>a line speed must be above 0</source>
        <translation>la velocidad de línea debe ser mayor que 0</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no line speed here; try bit/s, kbit/s, Mbit/s, Gbit/s or B/s, kB/s, MB/s</source>
        <translation>«%1» no es aquí una velocidad de línea; pruebe con bit/s, kbit/s, Mbit/s, Gbit/s o B/s, kB/s, MB/s</translation>
    </message>
    <message>
        <source>your own speed is not above 0, and the time divides by it</source>
        <translation>su propia velocidad no es mayor que 0, y el tiempo se divide por ella</translation>
    </message>
    <message>
        <source>the file is too large for its transfer time to be a number</source>
        <translation>el archivo es demasiado grande para que su tiempo de transferencia sea un número</translation>
    </message>
    <message>
        <source>File transfer time</source>
        <translation>Tiempo de transferencia de archivos</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>Tamaño del archivo</translation>
    </message>
    <message>
        <source>Your own line speed</source>
        <translation>Su propia velocidad de línea</translation>
    </message>
    <message>
        <source>Transfer time</source>
        <translation>Tiempo de transferencia</translation>
    </message>
    <message>
        <source>size</source>
        <translation>tamaño</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>bits per second (25 Mbit/s, 3 MB/s)</source>
        <translation>bits por segundo (25 Mbit/s, 3 MB/s)</translation>
    </message>
    <message>
        <source>Size unit</source>
        <translation>Unidad de tamaño</translation>
    </message>
    <message>
        <source>Line speed (bits per second)</source>
        <translation>Velocidad de línea (bits por segundo)</translation>
    </message>
    <message>
        <source>your own speed</source>
        <translation>su propia velocidad</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>&amp;File transfer time…</source>
        <translation>&amp;Tiempo de transferencia de archivos…</translation>
    </message>
    <message>
        <source>A equals C, so the points give no line</source>
        <translation>A es igual a C, así que los puntos no definen ninguna recta</translation>
    </message>
    <message>
        <source>x is too large for a number</source>
        <translation>x es demasiado grande para ser un número</translation>
    </message>
    <message>
        <source>Linear interpolation</source>
        <translation>Interpolación lineal</translation>
    </message>
    <message>
        <source>First known point: at A …</source>
        <translation>Primer punto conocido: en A…</translation>
    </message>
    <message>
        <source>… the value is D</source>
        <translation>… el valor es D</translation>
    </message>
    <message>
        <source>Second known point: at C …</source>
        <translation>Segundo punto conocido: en C…</translation>
    </message>
    <message>
        <source>… the value is E</source>
        <translation>… el valor es E</translation>
    </message>
    <message>
        <source>Wanted: at B …</source>
        <translation>Buscado: en B…</translation>
    </message>
    <message>
        <source>… the value is x</source>
        <translation>… el valor es x</translation>
    </message>
    <message>
        <source>&amp;Linear interpolation…</source>
        <translation>&amp;Interpolación lineal…</translation>
    </message>
    <message>
        <source>the weight is 0, and the ratio divides by it</source>
        <translation>el peso es 0, y la relación se divide por él</translation>
    </message>
    <message>
        <source>the ratio is too large for a number</source>
        <translation>la relación es demasiado grande para ser un número</translation>
    </message>
    <message>
        <source>Power to weight</source>
        <translation>Relación potencia-peso</translation>
    </message>
    <message>
        <source>Power and weight (weight in any unit)</source>
        <translation>Potencia y peso (el peso, en cualquier unidad)</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Relación</translation>
    </message>
    <message>
        <source>power, horsepower</source>
        <translation>potencia, en caballos</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>peso</translation>
    </message>
    <message>
        <source>horsepower per unit of weight</source>
        <translation>caballos por unidad de peso</translation>
    </message>
    <message>
        <source>Power to &amp;weight…</source>
        <translation>&amp;Relación potencia-peso…</translation>
    </message>
    <message>
        <source>B is 0, and x = A × C ÷ B divides by it</source>
        <translation>B es 0, y x = A × C ÷ B divide por él</translation>
    </message>
    <message>
        <source>Proportion</source>
        <translation>Proporción</translation>
    </message>
    <message>
        <source>A is to …</source>
        <translation>A es a…</translation>
    </message>
    <message>
        <source>… B as …</source>
        <translation>… B como…</translation>
    </message>
    <message>
        <source>… x is to …</source>
        <translation>… x es a…</translation>
    </message>
    <message>
        <source>… C</source>
        <translation>… C</translation>
    </message>
    <message>
        <source>x = A × C ÷ B</source>
        <translation>x = A × C ÷ B</translation>
    </message>
    <message>
        <source>&amp;Proportion…</source>
        <translation>&amp;Proporción…</translation>
    </message>
    <message>
        <source>Data sizes</source>
        <translation>Tamaños de datos</translation>
    </message>
    <message>
        <source>Number bases</source>
        <translation>Bases de numeración</translation>
    </message>
    <message>
        <source>binary</source>
        <translation>binario</translation>
    </message>
    <message>
        <source>octal</source>
        <translation>octal</translation>
    </message>
    <message>
        <source>decimal (signed 32-bit)</source>
        <translation>decimal (32 bits con signo)</translation>
    </message>
    <message>
        <source>hexadecimal</source>
        <translation>hexadecimal</translation>
    </message>
    <message>
        <source>Prefixes</source>
        <translation>Prefijos</translation>
    </message>
    <message>
        <source>binary (1 kibibyte = 1024 bytes)</source>
        <translation>binarios (1 kibibyte = 1024 bytes)</translation>
    </message>
    <message>
        <source>decimal (1 kilobyte = 1000 bytes)</source>
        <translation>decimales (1 kilobyte = 1000 bytes)</translation>
    </message>
    <message>
        <source>&amp;Computing</source>
        <translation>I&amp;nformática</translation>
    </message>
    <message>
        <source>Computing</source>
        <translation>Informática</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métricas</translation>
    </message>
    <message>
        <source>Imperial and US</source>
        <translation>Imperiales y de EE. UU.</translation>
    </message>
    <message>
        <source>Acceleratio&amp;n</source>
        <translation>&amp;Aceleración</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Aceleración</translation>
    </message>
    <message>
        <source>Degrees and turns</source>
        <translation>Grados y vueltas</translation>
    </message>
    <message>
        <source>Radians and mils</source>
        <translation>Radianes y milésimas</translation>
    </message>
    <message>
        <source>An&amp;gle</source>
        <translation>Án&amp;gulo</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperiales</translation>
    </message>
    <message>
        <source>&amp;Area</source>
        <translation>&amp;Superficie</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>Bits per second</source>
        <translation>Bits por segundo</translation>
    </message>
    <message>
        <source>Bytes per second</source>
        <translation>Bytes por segundo</translation>
    </message>
    <message>
        <source>Binary prefixes</source>
        <translation>Prefijos binarios</translation>
    </message>
    <message>
        <source>&amp;Data rate</source>
        <translation>Velocidad de transmisión (&amp;8)</translation>
    </message>
    <message>
        <source>Data rate</source>
        <translation>Velocidad de transmisión</translation>
    </message>
    <message>
        <source>Den&amp;sity</source>
        <translation>&amp;Densidad</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densidad</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Corriente</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Carga</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Tensión</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Resistencia</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Capacidad</translation>
    </message>
    <message>
        <source>Inductance</source>
        <translation>Inductancia</translation>
    </message>
    <message>
        <source>Conductance</source>
        <translation>Conductancia</translation>
    </message>
    <message>
        <source>Electricity (&amp;2)</source>
        <translation>Electricidad (&amp;2)</translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation>Electricidad</translation>
    </message>
    <message>
        <source>Volume per time</source>
        <translation>Volumen por tiempo</translation>
    </message>
    <message>
        <source>Mass per time</source>
        <translation>Masa por tiempo</translation>
    </message>
    <message>
        <source>Flow (&amp;1)</source>
        <translation>Caudal (&amp;1)</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Caudal</translation>
    </message>
    <message>
        <source>Fo&amp;rce</source>
        <translation>Fuer&amp;za</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Fuerza</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotación</translation>
    </message>
    <message>
        <source>Frequenc&amp;y and rotation</source>
        <translation>&amp;Frecuencia y rotación</translation>
    </message>
    <message>
        <source>Frequency and rotation</source>
        <translation>Frecuencia y rotación</translation>
    </message>
    <message>
        <source>Fuel efficiency</source>
        <translation>Consumo de combustible</translation>
    </message>
    <message>
        <source>Illuminance</source>
        <translation>Iluminancia</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>Luminancia</translation>
    </message>
    <message>
        <source>&amp;Fuel efficiency and light</source>
        <translation>&amp;Consumo de combustible y luz</translation>
    </message>
    <message>
        <source>Fuel efficiency and light</source>
        <translation>Consumo de combustible y luz</translation>
    </message>
    <message>
        <source>Specific energy</source>
        <translation>Energía específica</translation>
    </message>
    <message>
        <source>Specific heat capacity</source>
        <translation>Capacidad térmica específica</translation>
    </message>
    <message>
        <source>Thermal conductivity</source>
        <translation>Conductividad térmica</translation>
    </message>
    <message>
        <source>Heat flux density</source>
        <translation>Densidad de flujo térmico</translation>
    </message>
    <message>
        <source>Heat transfer coefficient</source>
        <translation>Coeficiente de transmisión de calor</translation>
    </message>
    <message>
        <source>Thermal insulance</source>
        <translation>Resistencia térmica</translation>
    </message>
    <message>
        <source>Heat (&amp;6)</source>
        <translation>Calor (&amp;6)</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Calor</translation>
    </message>
    <message>
        <source>Imperial and nautical</source>
        <translation>Imperiales y náuticas</translation>
    </message>
    <message>
        <source>Astronomical</source>
        <translation>Astronómicas</translation>
    </message>
    <message>
        <source>&amp;Length</source>
        <translation>&amp;Longitud</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Flux density</source>
        <translation>Densidad de flujo</translation>
    </message>
    <message>
        <source>Flux</source>
        <translation>Flujo</translation>
    </message>
    <message>
        <source>Field strength</source>
        <translation>Intensidad de campo</translation>
    </message>
    <message>
        <source>Magnetomotive force</source>
        <translation>Fuerza magnetomotriz</translation>
    </message>
    <message>
        <source>Magnetism (&amp;4)</source>
        <translation>Magnetismo (&amp;4)</translation>
    </message>
    <message>
        <source>Magnetism</source>
        <translation>Magnetismo</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energía</translation>
    </message>
    <message>
        <source>Power and &amp;energy</source>
        <translation>Potencia y &amp;energía</translation>
    </message>
    <message>
        <source>Power and energy</source>
        <translation>Potencia y energía</translation>
    </message>
    <message>
        <source>The energy box shows one second at this power (1 watt for 1 second is 1 joule).</source>
        <translation>El recuadro de la energía muestra un segundo a esta potencia (1 vatio durante 1 segundo es 1 julio).</translation>
    </message>
    <message>
        <source>The power box shows this energy spent in one second (1 joule in 1 second is 1 watt).</source>
        <translation>El recuadro de la potencia muestra esta energía gastada en un segundo (1 julio en 1 segundo es 1 vatio).</translation>
    </message>
    <message>
        <source>Mercury column</source>
        <translation>Columna de mercurio</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otras</translation>
    </message>
    <message>
        <source>&amp;Pressure</source>
        <translation>P&amp;resión</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>Absorbed dose</source>
        <translation>Dosis absorbida</translation>
    </message>
    <message>
        <source>Equivalent dose</source>
        <translation>Dosis equivalente</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Actividad</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposición</translation>
    </message>
    <message>
        <source>Absorbed dose rate</source>
        <translation>Tasa de dosis absorbida</translation>
    </message>
    <message>
        <source>Equivalent dose rate</source>
        <translation>Tasa de dosis equivalente</translation>
    </message>
    <message>
        <source>Ioni&amp;zing radiation</source>
        <translation>Radiación ionizante (&amp;9)</translation>
    </message>
    <message>
        <source>Ionizing radiation</source>
        <translation>Radiación ionizante</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Molar concentration</source>
        <translation>Concentración molar</translation>
    </message>
    <message>
        <source>Molality</source>
        <translation>Molalidad</translation>
    </message>
    <message>
        <source>Catalytic activity</source>
        <translation>Actividad catalítica</translation>
    </message>
    <message>
        <source>Amount of substance (&amp;5)</source>
        <translation>Cantidad de sustancia (&amp;5)</translation>
    </message>
    <message>
        <source>Amount of substance</source>
        <translation>Cantidad de sustancia</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>&amp;Temperature</source>
        <translation>&amp;Temperatura</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>T&amp;ime</source>
        <translation>T&amp;iempo</translation>
    </message>
    <message>
        <source>Tor&amp;que</source>
        <translation>Par (&amp;7)</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>&amp;Velocity</source>
        <translation>&amp;Velocidad</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Capped at warp 9.99, the fastest speed this window converts.</source>
        <translation>Limitado a warp 9,99, la mayor velocidad que convierte esta ventana.</translation>
    </message>
    <message>
        <source>Capped at 2147.26 times the speed of light (warp 9.99), the fastest speed this window converts.</source>
        <translation>Limitado a 2147,26 veces la velocidad de la luz (warp 9,99), la mayor velocidad que convierte esta ventana.</translation>
    </message>
    <message>
        <source>Dynamic viscosity</source>
        <translation>Viscosidad dinámica</translation>
    </message>
    <message>
        <source>Kinematic viscosity</source>
        <translation>Viscosidad cinemática</translation>
    </message>
    <message>
        <source>Viscosity (&amp;3)</source>
        <translation>Viscosidad (&amp;3)</translation>
    </message>
    <message>
        <source>Viscosity</source>
        <translation>Viscosidad</translation>
    </message>
    <message>
        <source>Metric liquid</source>
        <translation>Métricas de capacidad</translation>
    </message>
    <message>
        <source>Metric cubic</source>
        <translation>Métricas cúbicas</translation>
    </message>
    <message>
        <source>US</source>
        <translation>EE. UU.</translation>
    </message>
    <message>
        <source>Metric cooking</source>
        <translation>Cocina métrica</translation>
    </message>
    <message>
        <source>US cooking</source>
        <translation>Cocina EE. UU.</translation>
    </message>
    <message>
        <source>V&amp;olume</source>
        <translation>V&amp;olumen</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Avoirdupois</source>
        <translation>Avoirdupois</translation>
    </message>
    <message>
        <source>Apothecaries&apos;</source>
        <translation>De boticario</translation>
    </message>
    <message>
        <source>Troy</source>
        <translation>Troy</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>&amp;Peso</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could be %2</source>
        <translation>«%1» puede ser %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1 at character %2</source>
        <translation>%1 en el carácter %2</translation>
    </message>
    <message>
        <source>not a number: %1</source>
        <translation>no es un número: %1</translation>
    </message>
    <message>
        <source>this field shows a result and takes no entry</source>
        <translation>este campo muestra un resultado y no admite entradas</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>not a number: a control character</source>
        <translation>no es un número: un carácter de control</translation>
    </message>
    <message>
        <source>not a number: expected an operator</source>
        <translation>no es un número: se esperaba un operador</translation>
    </message>
    <message>
        <source>expected an operator or a unit</source>
        <translation>se esperaba un operador o una unidad</translation>
    </message>
    <message>
        <source>a sum of amounts needs a unit after each</source>
        <translation>una suma de cantidades necesita una unidad tras cada una</translation>
    </message>
    <message>
        <source>unclosed parenthesis</source>
        <translation>paréntesis sin cerrar</translation>
    </message>
    <message>
        <source>control character</source>
        <translation>carácter de control</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos;</source>
        <translation>«%1» inesperado</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>división por cero</translation>
    </message>
    <message>
        <source>expected a number</source>
        <translation>se esperaba un número</translation>
    </message>
    <message>
        <source>too deeply nested</source>
        <translation>demasiados niveles de paréntesis</translation>
    </message>
    <message>
        <source>expected &apos;)&apos;</source>
        <translation>se esperaba «)»</translation>
    </message>
    <message>
        <source>%1 — classic tables</source>
        <translation>%1 — tablas clásicas</translation>
    </message>
    <message>
        <source>no unit &apos;%1&apos; here</source>
        <translation>aquí no hay ninguna unidad «%1»</translation>
    </message>
    <message>
        <source>Everyday</source>
        <translation>De uso diario</translation>
    </message>
    <message>
        <source>Science and engineering</source>
        <translation>Ciencia e ingeniería</translation>
    </message>
    <message>
        <source>binary digits are 0 and 1</source>
        <translation>las cifras binarias son 0 y 1</translation>
    </message>
    <message>
        <source>octal digits are 0 to 7</source>
        <translation>las cifras octales van del 0 al 7</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>no es un número entero</translation>
    </message>
    <message>
        <source>hexadecimal digits are 0 to 9 and a to f</source>
        <translation>las cifras hexadecimales van del 0 al 9 y de la a a la f</translation>
    </message>
    <message>
        <source>outside -2147483648 to 2147483647</source>
        <translation>fuera del intervalo de -2147483648 a 2147483647</translation>
    </message>
    <message>
        <source>more than 32 bits</source>
        <translation>más de 32 bits</translation>
    </message>
    <message>
        <source>too long</source>
        <translation>demasiado largo</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>demasiado grande</translation>
    </message>
    <message>
        <source>too small to tell from zero</source>
        <translation>demasiado pequeño para distinguirlo de cero</translation>
    </message>
    <message>
        <source>use a comma for decimals; numbers take no group separators</source>
        <translation>use la coma para los decimales; los números no llevan separadores de millares</translation>
    </message>
    <message>
        <source>&amp;Notebook</source>
        <translation>C&amp;uaderno</translation>
    </message>
    <message>
        <source>Feet and inches</source>
        <translation>Pies y pulgadas</translation>
    </message>
    <message>
        <source>Stone and pounds</source>
        <translation>Stones y libras</translation>
    </message>
    <message>
        <source>Pounds and ounces</source>
        <translation>Libras y onzas</translation>
    </message>
    <message>
        <source>Hours, minutes and seconds</source>
        <translation>Horas, minutos y segundos</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>%1 — Notes</source>
        <translation>%1 — Cuaderno</translation>
    </message>
</context>
</TS>
