<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccuracySlider</name>
    <message>
        <source>Full precision</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ambrel</name>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirstRunWindow</name>
    <message>
        <source>License and warranty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Ambrel&lt;/h2&gt;&lt;p&gt;Every unit of a quantity at once. Please read the license and warranty below.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;Ambrel is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.&lt;/p&gt;
&lt;p&gt;Ambrel is distributed in the hope that it will be useful, but &lt;b&gt;without any warranty&lt;/b&gt;; without even the implied warranty of merchantability or fitness for a particular purpose. See the GNU General Public License for more details.&lt;/p&gt;
&lt;p&gt;You should have received a copy of the GNU General Public License along with Ambrel. If not, see &lt;a href=&quot;https://www.gnu.org/licenses/&quot;&gt;https://www.gnu.org/licenses/&lt;/a&gt;.&lt;/p&gt;
&lt;p&gt;The conversion factors are those each window lists in its notebook. The box below starts ticked: Ambrel converts with the units&apos; exact definitions (2019 SI, the international yard and pound, the imperial and US gallons). Clear it, here or on the main menu, for the classic tables, whose factors are rounded on purpose: 30 units differ from their definitions by more than 0.01%, most of all: troy carat (−90%), metric tablespoon (+33%), US dry ounce (−17%), US dry dram (−17%), Mach (−13%) and imperial bushel (−1.0%). Help › Summary of the windows lists them all. You can change this at any time.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert with &amp;exact definitions (clear this for the classic tables)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UseExactDefinitions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UseClassicTables:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AmbrelExactDefinitions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ButtonFromFirstRunWindow:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormWindow</name>
    <message>
        <source>Cl&amp;ose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A result has no value for these numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>full precision</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n decimal(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Accuracy: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact definitions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic tables</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpIntroWindow</name>
    <message>
        <source>Using Ambrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Using Ambrel&lt;/h2&gt;&lt;p&gt;Every unit of a quantity at once: type a number, press Enter, read the rest.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenuWindow</name>
    <message>
        <source>Accuracy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deci&amp;mals shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimals shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1 decimals on, every number shows all the digits it has</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xact definitions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ticked: convert with the units&apos; exact definitions (2019 SI, the international yard and pound, the imperial and US gallons). Cleared: the classic tables, with their rounded factors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Further calc&amp;ulators…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Am&amp;brel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Ambrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;License and warranty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Manual in a browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;How to use Ambrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Summary of the windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Notes on fuel and light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SI and binary &amp;prefixes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MoreInfoWindow</name>
    <message>
        <source>About Ambrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Ambrel&lt;/h2&gt;&lt;p&gt;Version @VERSION@&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;Ambrel is a unit converter for the Linux desktop. Each converter window shows every unit of its quantity at once; type a number into any field, press Enter, and every other field follows. The same converters run on the command line (&lt;code&gt;ambrel --help&lt;/code&gt;).&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Manual:&lt;/b&gt; &lt;a href=&quot;@HOMEPAGE@&quot;&gt;@HOMEPAGE@&lt;/a&gt; (Ambrel › Manual in a browser opens it)&lt;/p&gt;
&lt;p&gt;&lt;b&gt;License:&lt;/b&gt; GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). Ambrel comes with no warranty; the &quot;License and warranty&quot; window has the details.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Settings:&lt;/b&gt; the accuracy, and whether the welcome window has been seen, are kept in &lt;code&gt;~/.config/Orlune/Ambrel.conf&lt;/code&gt; (under &lt;code&gt;$XDG_CONFIG_HOME&lt;/code&gt; instead of &lt;code&gt;~/.config&lt;/code&gt; when that is set). Ambrel keeps no other files.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Factors:&lt;/b&gt; every window uses the conversion factors listed in its notebook. Some are rounded values kept on purpose, so some results differ from exact conversions; check results that matter against an authoritative source.&lt;/p&gt;
&lt;p&gt;Built with C++ and Qt 6.&lt;/p&gt;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Full precision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every unit of a quantity at once.
Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click or press Return to go on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Further calculators</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Further calculators&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtField</name>
    <message>
        <source>Full value: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pasted text has %1 characters; a cell takes at most %2. Nothing was pasted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;Shown Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;Full Value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtNotebookWindow</name>
    <message>
        <source>&amp;Print…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>No web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No web browser could be started to show %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambrel&apos;s manual is %1, with the README beside it and each window&apos;s notebook in %2. Open them in any browser or text viewer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SIPrefixesWindow</name>
    <message>
        <source>SI and Binary Prefixes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;SI and binary prefixes&lt;/h2&gt;</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>%1… (%2 characters)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitFinderField</name>
    <message>
        <source>Find a unit or a quantity, e.g. 3 ft (Ctrl+F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find a unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matching units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No unit is called “%1”</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ambrel</name>
    <message>
        <source>bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kilobytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>megabytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a line speed must be above 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no line speed here; try bit/s, kbit/s, Mbit/s, Gbit/s or B/s, kB/s, MB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your own speed is not above 0, and the time divides by it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is too large for its transfer time to be a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File transfer time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your own line speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bits per second (25 Mbit/s, 3 MB/s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line speed (bits per second)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your own speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File transfer time…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A equals C, so the points give no line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x is too large for a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear interpolation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First known point: at A …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>… the value is D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second known point: at C …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>… the value is E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wanted: at B …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>… the value is x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Linear interpolation…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the weight is 0, and the ratio divides by it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the ratio is too large for a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power to weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power and weight (weight in any unit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power, horsepower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>horsepower per unit of weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power to &amp;weight…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B is 0, and x = A × C ÷ B divides by it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proportion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A is to …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>… B as …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>… x is to …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>… C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x = A × C ÷ B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Proportion…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data sizes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number bases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>binary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>octal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>decimal (signed 32-bit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hexadecimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prefixes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>binary (1 kibibyte = 1024 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>decimal (1 kilobyte = 1000 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Computing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imperial and US</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acceleratio&amp;n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees and turns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radians and mils</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An&amp;gle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bits per second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes per second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binary prefixes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Data rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Den&amp;sity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inductance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conductance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electricity (&amp;2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume per time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass per time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flow (&amp;1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fo&amp;rce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequenc&amp;y and rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency and rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuel efficiency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illuminance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fuel efficiency and light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuel efficiency and light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specific energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specific heat capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermal conductivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heat flux density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heat transfer coefficient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermal insulance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heat (&amp;6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imperial and nautical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Astronomical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flux density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnetomotive force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnetism (&amp;4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnetism</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power and &amp;energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power and energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The energy box shows one second at this power (1 watt for 1 second is 1 joule).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The power box shows this energy spent in one second (1 joule in 1 second is 1 watt).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absorbed dose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equivalent dose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absorbed dose rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equivalent dose rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ioni&amp;zing radiation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ionizing radiation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Molar concentration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Molality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalytic activity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount of substance (&amp;5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount of substance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tor&amp;que</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Torque</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Velocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capped at warp 9.99, the fastest speed this window converts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capped at 2147.26 times the speed of light (warp 9.99), the fastest speed this window converts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dynamic viscosity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kinematic viscosity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Viscosity (&amp;3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Viscosity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metric liquid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metric cubic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>US</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metric cooking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>US cooking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V&amp;olume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avoirdupois</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apothecaries&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Troy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; could be %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at character %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a number: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this field shows a result and takes no entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a number: a control character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a number: expected an operator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected an operator or a unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a sum of amounts needs a unit after each</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unclosed parenthesis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>control character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too deeply nested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected &apos;)&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — classic tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no unit &apos;%1&apos; here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everyday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Science and engineering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>binary digits are 0 and 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>octal digits are 0 to 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hexadecimal digits are 0 to 9 and a to f</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>outside -2147483648 to 2147483647</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than 32 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too small to tell from zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>use a comma for decimals; numbers take no group separators</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Notebook</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
