<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AccuracySlider</name>
    <message>
        <source>Full precision</source>
        <translation>Tous les chiffres</translation>
    </message>
</context>
<context>
    <name>Ambrel</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>L’impression n’est pas disponible&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>FirstRunWindow</name>
    <message>
        <source>License and warranty</source>
        <translation>Licence et garantie</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Ambrel&lt;/h2&gt;&lt;p&gt;Every unit of a quantity at once. Please read the license and warranty below.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Ambrel&lt;/h2&gt;&lt;p&gt;Toutes les unités d’une grandeur à la fois. Veuillez lire la licence et la garantie ci-dessous.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Ambrel is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.&lt;/p&gt;
&lt;p&gt;Ambrel is distributed in the hope that it will be useful, but &lt;b&gt;without any warranty&lt;/b&gt;; without even the implied warranty of merchantability or fitness for a particular purpose. See the GNU General Public License for more details.&lt;/p&gt;
&lt;p&gt;You should have received a copy of the GNU General Public License along with Ambrel. If not, see &lt;a href=&quot;https://www.gnu.org/licenses/&quot;&gt;https://www.gnu.org/licenses/&lt;/a&gt;.&lt;/p&gt;
&lt;p&gt;The conversion factors are those each window lists in its notebook. The box below starts ticked: Ambrel converts with the units&apos; exact definitions (2019 SI, the international yard and pound, the imperial and US gallons). Clear it, here or on the main menu, for the classic tables, whose factors are rounded on purpose: 30 units differ from their definitions by more than 0.01%, most of all: troy carat (−90%), metric tablespoon (+33%), US dry ounce (−17%), US dry dram (−17%), Mach (−13%) and imperial bushel (−1.0%). Help › Summary of the windows lists them all. You can change this at any time.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ambrel est un logiciel libre&#xa0;: vous pouvez le redistribuer et/ou le modifier selon les termes de la Licence publique générale GNU (GNU General Public License) telle que publiée par la Free Software Foundation, soit la version&#xa0;3 de la licence, soit (à votre choix) toute version ultérieure.&lt;/p&gt;
&lt;p&gt;Ambrel est distribué dans l’espoir qu’il sera utile, mais &lt;b&gt;sans aucune garantie&lt;/b&gt;&#xa0;; sans même la garantie implicite de qualité marchande ou d’adéquation à un usage particulier. Consultez la Licence publique générale GNU pour plus de détails.&lt;/p&gt;
&lt;p&gt;Vous devriez avoir reçu une copie de la Licence publique générale GNU avec Ambrel. Si ce n’est pas le cas, consultez &lt;a href=&quot;https://www.gnu.org/licenses/&quot;&gt;https://www.gnu.org/licenses/&lt;/a&gt;.&lt;/p&gt;
&lt;p&gt;Les facteurs de conversion sont ceux que chaque fenêtre donne dans son carnet. La case ci-dessous est cochée au départ&#xa0;: Ambrel convertit selon les définitions exactes des unités (SI de 2019, yard et livre internationaux, gallons impérial et US). Décochez-la, ici ou dans le menu principal, pour les tables classiques, dont les facteurs sont arrondis à dessein&#xa0;: 30&#xa0;unités s’écartent de leur définition de plus de 0,01&#xa0;%, surtout le carat troy (−90&#xa0;%), la cuillère à soupe métrique (+33&#xa0;%), l’once sèche US (−17&#xa0;%), la drachme sèche US (−17&#xa0;%), Mach (−13&#xa0;%) et le boisseau impérial (−1,0&#xa0;%). Aide › Résumé des fenêtres les énumère toutes. Vous pouvez changer ce choix à tout moment.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Convert with &amp;exact definitions (clear this for the classic tables)</source>
        <translation>Convertir selon les définitions &amp;exactes (décochez pour les tables classiques)</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuer</translation>
    </message>
</context>
<context>
    <name>FormWindow</name>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>A result has no value for these numbers</source>
        <translation>Un résultat n’a pas de valeur pour ces nombres</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>“%1”: %2</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>full precision</source>
        <translation>tous les chiffres</translation>
    </message>
    <message numerus="yes">
        <source>%n decimal(s)</source>
        <translation>
            <numerusform>%n décimale</numerusform>
            <numerusform>%n décimales</numerusform>
        </translation>
    </message>
    <message>
        <source>Accuracy: %1</source>
        <translation>Précision&#xa0;: %1</translation>
    </message>
    <message>
        <source>Exact definitions</source>
        <translation>Définitions exactes</translation>
    </message>
    <message>
        <source>Classic tables</source>
        <translation>Tables classiques</translation>
    </message>
</context>
<context>
    <name>HelpIntroWindow</name>
    <message>
        <source>Using Ambrel</source>
        <translation>Utiliser Ambrel</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Using Ambrel&lt;/h2&gt;&lt;p&gt;Every unit of a quantity at once: type a number, press Enter, read the rest.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Utiliser Ambrel&lt;/h2&gt;&lt;p&gt;Toutes les unités d’une grandeur à la fois&#xa0;: tapez un nombre, appuyez sur Entrée, lisez le reste.&lt;/p&gt;</translation>
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
        <translation>&lt;h3&gt;Convertir&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Dans le menu principal, appuyez sur le bouton d’une grandeur, par exemple &lt;b&gt;Longueur&lt;/b&gt;.&lt;/li&gt;
&lt;li&gt;Tapez un nombre dans le champ de l’unité que vous avez, par exemple 1 dans le champ &lt;i&gt;pied&lt;/i&gt;.&lt;/li&gt;
&lt;li&gt;Appuyez sur &lt;b&gt;Entrée&lt;/b&gt;. Tous les autres champs affichent alors la même longueur, chacun dans son unité. Le champ où vous avez tapé garde votre nombre.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;En coulisse, le nombre est converti dans l’unité de base de la fenêtre (le mètre pour les longueurs), puis chacun des autres champs est calculé à partir d’elle. Le bouton &lt;b&gt;Carnet&lt;/b&gt; de chaque fenêtre explique ses unités et les facteurs qu’elle emploie.&lt;/p&gt;
&lt;h3&gt;Précision&lt;/h3&gt;
&lt;p&gt;Le champ et le curseur &lt;b&gt;Décimales affichées&lt;/b&gt; du menu principal fixent le nombre de chiffres après la virgule dans les fenêtres de conversion. Ce réglage est mémorisé, et un changement s’applique aussitôt aux fenêtres de conversion déjà ouvertes. Les nombres sont toujours conservés en entier&#xa0;: augmentez la précision, ou survolez un champ, pour voir tous les chiffres.&lt;/p&gt;
&lt;h3&gt;Définitions exactes&lt;/h3&gt;
&lt;p&gt;Quand &lt;b&gt;Définitions exactes&lt;/b&gt; est coché dans le menu principal, comme au départ, chaque résultat est la conversion selon les définitions des unités (SI de 2019, yard et livre internationaux, gallons impérial et US). Décochez-le pour convertir avec les tables classiques, dont les facteurs sont arrondis&#xa0;; &lt;b&gt;Aide › Résumé des fenêtres&lt;/b&gt; énumère toutes les unités qu’elles faussent de plus de 1 sur 10&#x202f;000. Le titre des fenêtres se termine alors par &lt;i&gt;tables classiques&lt;/i&gt;.&lt;/p&gt;
&lt;h3&gt;Saisir des nombres&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Écrivez les décimales après un point ou après le séparateur décimal de votre langue&#xa0;; les exposants comme &lt;code&gt;1.5e-3&lt;/code&gt; fonctionnent aussi. Un champ vide compte pour 0.&lt;/li&gt;
&lt;li&gt;Un texte qui n’est pas un nombre est refusé avec le signal sonore et une note en bas de la fenêtre. Votre texte reste en place pour que vous puissiez le corriger, et rien d’autre ne change.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Autres calculatrices&lt;/h3&gt;
&lt;p&gt;Le bouton &lt;b&gt;Autres calculatrices&lt;/b&gt; ouvre quatre petites calculatrices&#xa0;: durée de transfert, proportion, interpolation linéaire et rapport puissance/poids. Remplissez les champs et appuyez sur &lt;b&gt;Entrée&lt;/b&gt; ou sur &lt;b&gt;Calculer&lt;/b&gt;.&lt;/p&gt;
&lt;h3&gt;La ligne de commande&lt;/h3&gt;
&lt;p&gt;&lt;code&gt;ambrel length 1&#xa0;foot&lt;/code&gt;&lt;br/&gt;affiche toutes les longueurs pour 1&#xa0;pied sous forme de tableau lisible. Toutes les fenêtres et toutes les unités s’emploient de la même façon, par exemple &lt;code&gt;ambrel area 1&#xa0;acre&lt;/code&gt;&#xa0;; les guillemets autour d’une unité de plusieurs mots sont facultatifs&#xa0;: &lt;code&gt;ambrel velocity 60&#xa0;mile per hour&lt;/code&gt;. La ligne de commande emploie les noms anglais des fenêtres et des unités, quelle que soit la langue. Les résultats suivent les définitions exactes des unités&#xa0;; ajoutez &lt;code&gt;--classic&lt;/code&gt; pour convertir avec les tables classiques.&lt;/p&gt;
&lt;p&gt;&lt;code&gt;ambrel run --tsv length FeetField=1&lt;/code&gt;&lt;br/&gt;exécute une fenêtre comme un script&#xa0;: l’étape &lt;code&gt;FeetField=1&lt;/code&gt; tape 1 dans le champ du pied et appuie sur Entrée. La sortie compte une ligne par champ&#xa0;: son nom, la valeur stockée (qui se relit exactement) et le texte qu’affiche la fenêtre, séparés par des tabulations. Ajoutez &lt;code&gt;--accuracy 6&lt;/code&gt; pour six décimales.&lt;/p&gt;
&lt;p&gt;Les fenêtres sont &lt;code&gt;length area velocity pressure temperature time volume weight power-energy fuel-light computing file-transfer proportion interpolation power-weight&lt;/code&gt;. Une étape &lt;code&gt;Calc:&lt;/code&gt; envoie une action, par exemple aux calculatrices. Le code de sortie vaut 0 quand tout s’est bien passé, 2 quand une saisie a été refusée et 64 pour une erreur d’utilisation. &lt;code&gt;ambrel --help&lt;/code&gt; affiche un résumé.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>MainMenuWindow</name>
    <message>
        <source>Accuracy</source>
        <translation>Précision</translation>
    </message>
    <message>
        <source>Deci&amp;mals shown</source>
        <translation>&amp;Décimales affichées</translation>
    </message>
    <message>
        <source>Decimals shown</source>
        <translation>Décimales affichées</translation>
    </message>
    <message>
        <source>From %1 decimals on, every number shows all the digits it has</source>
        <translation>À partir de %1 décimales, chaque nombre s’affiche avec tous ses chiffres</translation>
    </message>
    <message>
        <source>E&amp;xact definitions</source>
        <translation>Définitions e&amp;xactes</translation>
    </message>
    <message>
        <source>Ticked: convert with the units&apos; exact definitions (2019 SI, the international yard and pound, the imperial and US gallons). Cleared: the classic tables, with their rounded factors</source>
        <translation>Coché&#xa0;: convertir selon les définitions exactes des unités (SI de 2019, yard et livre internationaux, gallons impérial et US). Décoché&#xa0;: les tables classiques, avec leurs facteurs arrondis</translation>
    </message>
    <message>
        <source>Further calc&amp;ulators…</source>
        <translation>Autres calc&amp;ulatrices…</translation>
    </message>
    <message>
        <source>Am&amp;brel</source>
        <translation>Am&amp;brel</translation>
    </message>
    <message>
        <source>&amp;About Ambrel</source>
        <translation>À &amp;propos d’Ambrel</translation>
    </message>
    <message>
        <source>&amp;License and warranty</source>
        <translation>&amp;Licence et garantie</translation>
    </message>
    <message>
        <source>&amp;Manual in a browser</source>
        <translation>&amp;Manuel dans un navigateur</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;How to use Ambrel</source>
        <translation>&amp;Comment utiliser Ambrel</translation>
    </message>
    <message>
        <source>&amp;Summary of the windows</source>
        <translation>&amp;Résumé des fenêtres</translation>
    </message>
    <message>
        <source>&amp;Notes on fuel and light</source>
        <translation>&amp;Notes sur la consommation et la lumière</translation>
    </message>
    <message>
        <source>SI and binary &amp;prefixes</source>
        <translation>&amp;Préfixes SI et binaires</translation>
    </message>
</context>
<context>
    <name>MoreInfoWindow</name>
    <message>
        <source>About Ambrel</source>
        <translation>À propos d’Ambrel</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Ambrel&lt;/h2&gt;&lt;p&gt;Version @VERSION@&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Ambrel&lt;/h2&gt;&lt;p&gt;Version @VERSION@&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Ambrel is a unit converter for the Linux desktop. Each converter window shows every unit of its quantity at once; type a number into any field, press Enter, and every other field follows. The same converters run on the command line (&lt;code&gt;ambrel --help&lt;/code&gt;).&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Manual:&lt;/b&gt; &lt;a href=&quot;@HOMEPAGE@&quot;&gt;@HOMEPAGE@&lt;/a&gt; (Ambrel › Manual in a browser opens it)&lt;/p&gt;
&lt;p&gt;&lt;b&gt;License:&lt;/b&gt; GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). Ambrel comes with no warranty; the &quot;License and warranty&quot; window has the details.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Settings:&lt;/b&gt; the accuracy, and whether the welcome window has been seen, are kept in &lt;code&gt;~/.config/Orlune/Ambrel.conf&lt;/code&gt; (under &lt;code&gt;$XDG_CONFIG_HOME&lt;/code&gt; instead of &lt;code&gt;~/.config&lt;/code&gt; when that is set). Ambrel keeps no other files.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Factors:&lt;/b&gt; every window uses the conversion factors listed in its notebook. Some are rounded values kept on purpose, so some results differ from exact conversions; check results that matter against an authoritative source.&lt;/p&gt;
&lt;p&gt;Built with C++ and Qt 6.&lt;/p&gt;
</source>
        <translation>&lt;p&gt;Ambrel est un convertisseur d’unités pour le bureau Linux. Chaque fenêtre de conversion affiche toutes les unités de sa grandeur à la fois&#xa0;: tapez un nombre dans n’importe quel champ, appuyez sur Entrée, et tous les autres champs suivent. Les mêmes convertisseurs fonctionnent en ligne de commande (&lt;code&gt;ambrel --help&lt;/code&gt;).&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Manuel&#xa0;:&lt;/b&gt; &lt;a href=&quot;@HOMEPAGE@&quot;&gt;@HOMEPAGE@&lt;/a&gt; (Ambrel › Manuel dans un navigateur l’ouvre)&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Licence&#xa0;:&lt;/b&gt; Licence publique générale GNU (GNU General Public License), version&#xa0;3 ou (à votre choix) toute version ultérieure (GPL-3.0-or-later). Ambrel est fourni sans aucune garantie&#xa0;; la fenêtre «&#xa0;Licence et garantie&#xa0;» donne les détails.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Réglages&#xa0;:&lt;/b&gt; la précision, et le fait que la fenêtre d’accueil a déjà été vue, sont conservés dans &lt;code&gt;~/.config/Orlune/Ambrel.conf&lt;/code&gt; (sous &lt;code&gt;$XDG_CONFIG_HOME&lt;/code&gt; au lieu de &lt;code&gt;~/.config&lt;/code&gt; quand cette variable est définie). Ambrel ne conserve aucun autre fichier.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Facteurs&#xa0;:&lt;/b&gt; chaque fenêtre emploie les facteurs de conversion donnés dans son carnet. Certains sont des valeurs arrondies gardées à dessein, si bien que certains résultats diffèrent des conversions exactes&#xa0;; vérifiez les résultats importants auprès d’une source qui fait autorité.&lt;/p&gt;
&lt;p&gt;Écrit en C++ avec Qt&#xa0;6.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Full precision</source>
        <translation>Tous les chiffres</translation>
    </message>
    <message>
        <source>Every unit of a quantity at once.
Version %1</source>
        <translation>Toutes les unités d’une grandeur à la fois.
Version %1</translation>
    </message>
    <message>
        <source>Click or press Return to go on</source>
        <translation>Cliquez ou appuyez sur Entrée pour continuer</translation>
    </message>
    <message>
        <source>Further calculators</source>
        <translation>Autres calculatrices</translation>
    </message>
    <message>
        <source>&lt;b&gt;Further calculators&lt;/b&gt;</source>
        <translation>&lt;b&gt;Autres calculatrices&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>QtField</name>
    <message>
        <source>Full value: %1</source>
        <translation>Valeur complète&#xa0;: %1</translation>
    </message>
    <message>
        <source>The pasted text has %1 characters; a cell takes at most %2. Nothing was pasted.</source>
        <translation>Le texte collé compte %1&#xa0;caractères&#xa0;; un champ en accepte %2 au plus. Rien n’a été collé.</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <translation>Menu du champ %1</translation>
    </message>
    <message>
        <source>Copy &amp;Shown Value</source>
        <translation>Copier la valeur a&amp;ffichée</translation>
    </message>
    <message>
        <source>Copy &amp;Full Value</source>
        <translation>Copier la valeur &amp;complète</translation>
    </message>
</context>
<context>
    <name>QtNotebookWindow</name>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>No web browser</source>
        <translation>Aucun navigateur web</translation>
    </message>
    <message>
        <source>No web browser could be started to show %1.</source>
        <translation>Aucun navigateur web n’a pu être lancé pour afficher %1.</translation>
    </message>
    <message>
        <source>Ambrel&apos;s manual is %1, with the README beside it and each window&apos;s notebook in %2. Open them in any browser or text viewer.</source>
        <translation>Le manuel d’Ambrel est %1, avec le README à côté et le carnet de chaque fenêtre dans %2. Ouvrez-les dans n’importe quel navigateur ou visualiseur de texte.</translation>
    </message>
</context>
<context>
    <name>SIPrefixesWindow</name>
    <message>
        <source>SI and Binary Prefixes</source>
        <translation>Préfixes SI et binaires</translation>
    </message>
    <message>
        <source>&lt;h2&gt;SI and binary prefixes&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Préfixes SI et binaires&lt;/h2&gt;</translation>
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
        <translation>&lt;h3&gt;Préfixes SI&lt;/h3&gt;
&lt;p&gt;Un préfixe multiplie l’unité devant laquelle il se place&#xa0;: 1&#xa0;km = 1000&#xa0;m, 1&#xa0;ms = 0,001&#xa0;s. Les symboles distinguent majuscules et minuscules (m pour milli, M pour méga), et les préfixes ne se combinent jamais.&lt;/p&gt;
&lt;table border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;th&gt;Préfixe&lt;/th&gt;&lt;th&gt;Symbole&lt;/th&gt;&lt;th&gt;Facteur&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;quetta&lt;/td&gt;&lt;td&gt;Q&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;30&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;ronna&lt;/td&gt;&lt;td&gt;R&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;27&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;yotta&lt;/td&gt;&lt;td&gt;Y&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;24&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;zetta&lt;/td&gt;&lt;td&gt;Z&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;21&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;exa&lt;/td&gt;&lt;td&gt;E&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;18&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;péta&lt;/td&gt;&lt;td&gt;P&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;15&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;téra&lt;/td&gt;&lt;td&gt;T&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;12&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;giga&lt;/td&gt;&lt;td&gt;G&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;9&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;méga&lt;/td&gt;&lt;td&gt;M&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;6&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;kilo&lt;/td&gt;&lt;td&gt;k&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;3&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;hecto&lt;/td&gt;&lt;td&gt;h&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;2&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;déca&lt;/td&gt;&lt;td&gt;da&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;1&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;déci&lt;/td&gt;&lt;td&gt;d&lt;/td&gt;&lt;td&gt;10&lt;sup&gt;−1&lt;/sup&gt;&lt;/td&gt;&lt;/tr&gt;
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
&lt;p&gt;Les préfixes ronna, ronto, quetta et quecto ont été ajoutés en 2022. Aux États-Unis, déca s’écrit deka, comme dans l’anglais américain dekameter. Le signe micro µ peut s’écrire u là où il n’est pas disponible.&lt;/p&gt;
&lt;h3&gt;Préfixes binaires&lt;/h3&gt;
&lt;p&gt;Pour les quantités de données, les multiples de 1024 sont courants. Les préfixes binaires de la CEI (CEI&#xa0;80000-13) les nomment sans ambiguïté&#xa0;: 1&#xa0;KiB = 1024&#xa0;octets, alors que 1&#xa0;kB = 1000&#xa0;octets. La fenêtre Informatique propose les deux.&lt;/p&gt;
&lt;table border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;
&lt;tr&gt;&lt;th&gt;Préfixe&lt;/th&gt;&lt;th&gt;Symbole&lt;/th&gt;&lt;th&gt;Facteur&lt;/th&gt;&lt;th&gt;En chiffres&lt;/th&gt;&lt;th&gt;Excédent sur le préfixe SI&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;kibi&lt;/td&gt;&lt;td&gt;Ki&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;10&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;024&lt;/td&gt;&lt;td&gt;kilo&#xa0;: 2,4&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;mébi&lt;/td&gt;&lt;td&gt;Mi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;20&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;048&#xa0;576&lt;/td&gt;&lt;td&gt;méga&#xa0;: 4,9&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;gibi&lt;/td&gt;&lt;td&gt;Gi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;30&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;073&#xa0;741&#xa0;824&lt;/td&gt;&lt;td&gt;giga&#xa0;: 7,4&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;tébi&lt;/td&gt;&lt;td&gt;Ti&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;40&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;099&#xa0;511&#xa0;627&#xa0;776&lt;/td&gt;&lt;td&gt;téra&#xa0;: 10,0&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;pébi&lt;/td&gt;&lt;td&gt;Pi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;50&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;125&#xa0;899&#xa0;906&#xa0;842&#xa0;624&lt;/td&gt;&lt;td&gt;péta&#xa0;: 12,6&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;exbi&lt;/td&gt;&lt;td&gt;Ei&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;60&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;152&#xa0;921&#xa0;504&#xa0;606&#xa0;846&#xa0;976&lt;/td&gt;&lt;td&gt;exa&#xa0;: 15,3&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;zébi&lt;/td&gt;&lt;td&gt;Zi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;70&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;180&#xa0;591&#xa0;620&#xa0;717&#xa0;411&#xa0;303&#xa0;424&lt;/td&gt;&lt;td&gt;zetta&#xa0;: 18,1&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;yobi&lt;/td&gt;&lt;td&gt;Yi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;80&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;208&#xa0;925&#xa0;819&#xa0;614&#xa0;629&#xa0;174&#xa0;706&#xa0;176&lt;/td&gt;&lt;td&gt;yotta&#xa0;: 20,9&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;robi&lt;/td&gt;&lt;td&gt;Ri&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;90&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;237&#xa0;940&#xa0;039&#xa0;285&#xa0;380&#xa0;274&#xa0;899&#xa0;124&#xa0;224&lt;/td&gt;&lt;td&gt;ronna&#xa0;: 23,8&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;quebi&lt;/td&gt;&lt;td&gt;Qi&lt;/td&gt;&lt;td&gt;2&lt;sup&gt;100&lt;/sup&gt;&lt;/td&gt;&lt;td nowrap&gt;1&#xa0;267&#xa0;650&#xa0;600&#xa0;228&#xa0;229&#xa0;401&#xa0;496&#xa0;703&#xa0;205&#xa0;376&lt;/td&gt;&lt;td&gt;quetta&#xa0;: 26,8&#xa0;%&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>%1… (%2 characters)</source>
        <translation>%1… (%2&#xa0;caractères)</translation>
    </message>
</context>
<context>
    <name>UnitFinderField</name>
    <message>
        <source>Find a unit or a quantity, e.g. 3 ft (Ctrl+F)</source>
        <translation>Chercher une unité ou une grandeur, p.&#xa0;ex. 3&#xa0;ft (Ctrl+F)</translation>
    </message>
    <message>
        <source>Find a unit</source>
        <translation>Chercher une unité</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Effacer la recherche</translation>
    </message>
    <message>
        <source>Matching units</source>
        <translation>Unités correspondantes</translation>
    </message>
    <message>
        <source>No unit is called “%1”</source>
        <translation>Aucune unité ne s’appelle «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>ambrel</name>
    <message>
        <source>bytes</source>
        <translation>octets</translation>
    </message>
    <message>
        <source>kilobytes</source>
        <translation>kilooctets</translation>
    </message>
    <message>
        <source>megabytes</source>
        <translation>mégaoctets</translation>
    </message>
    <message>
        <source>a line speed must be above 0</source>
        <translation>le débit de la ligne doit être supérieur à 0</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no line speed here; try bit/s, kbit/s, Mbit/s, Gbit/s or B/s, kB/s, MB/s</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un débit de ligne ici&#xa0;; essayez bit/s, kbit/s, Mbit/s, Gbit/s ou B/s, kB/s, MB/s</translation>
    </message>
    <message>
        <source>your own speed is not above 0, and the time divides by it</source>
        <translation>votre propre débit n’est pas supérieur à 0, et la durée se calcule en divisant par lui</translation>
    </message>
    <message>
        <source>the file is too large for its transfer time to be a number</source>
        <translation>le fichier est trop gros pour que sa durée de transfert soit un nombre</translation>
    </message>
    <message>
        <source>File transfer time</source>
        <translation>Durée de transfert</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>Taille du fichier</translation>
    </message>
    <message>
        <source>Your own line speed</source>
        <translation>Votre propre débit</translation>
    </message>
    <message>
        <source>Transfer time</source>
        <translation>Durée du transfert</translation>
    </message>
    <message>
        <source>size</source>
        <translation>taille</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>heures</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>bits per second (25 Mbit/s, 3 MB/s)</source>
        <translation>bits par seconde (25&#xa0;Mbit/s, 3&#xa0;MB/s)</translation>
    </message>
    <message>
        <source>Size unit</source>
        <translation>Unité de taille</translation>
    </message>
    <message>
        <source>Line speed (bits per second)</source>
        <translation>Débit de la ligne (bits par seconde)</translation>
    </message>
    <message>
        <source>your own speed</source>
        <translation>votre propre débit</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>Ca&amp;lculer</translation>
    </message>
    <message>
        <source>&amp;File transfer time…</source>
        <translation>&amp;Durée de transfert…</translation>
    </message>
    <message>
        <source>A equals C, so the points give no line</source>
        <translation>A est égal à C&#xa0;: les deux points ne définissent aucune droite</translation>
    </message>
    <message>
        <source>x is too large for a number</source>
        <translation>x est trop grand pour être un nombre</translation>
    </message>
    <message>
        <source>Linear interpolation</source>
        <translation>Interpolation linéaire</translation>
    </message>
    <message>
        <source>First known point: at A …</source>
        <translation>Premier point connu&#xa0;: en A…</translation>
    </message>
    <message>
        <source>… the value is D</source>
        <translation>… la valeur est D</translation>
    </message>
    <message>
        <source>Second known point: at C …</source>
        <translation>Second point connu&#xa0;: en C…</translation>
    </message>
    <message>
        <source>… the value is E</source>
        <translation>… la valeur est E</translation>
    </message>
    <message>
        <source>Wanted: at B …</source>
        <translation>Valeur cherchée&#xa0;: en B…</translation>
    </message>
    <message>
        <source>… the value is x</source>
        <translation>… la valeur est x</translation>
    </message>
    <message>
        <source>&amp;Linear interpolation…</source>
        <translation>&amp;Interpolation linéaire…</translation>
    </message>
    <message>
        <source>the weight is 0, and the ratio divides by it</source>
        <translation>le poids vaut 0, et le rapport se calcule en divisant par lui</translation>
    </message>
    <message>
        <source>the ratio is too large for a number</source>
        <translation>le rapport est trop grand pour être un nombre</translation>
    </message>
    <message>
        <source>Power to weight</source>
        <translation>Rapport puissance/poids</translation>
    </message>
    <message>
        <source>Power and weight (weight in any unit)</source>
        <translation>Puissance et poids (poids dans n’importe quelle unité)</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>power, horsepower</source>
        <translation>puissance, en horsepower</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>poids</translation>
    </message>
    <message>
        <source>horsepower per unit of weight</source>
        <translation>horsepower par unité de poids</translation>
    </message>
    <message>
        <source>Power to &amp;weight…</source>
        <translation>&amp;Rapport puissance/poids…</translation>
    </message>
    <message>
        <source>B is 0, and x = A × C ÷ B divides by it</source>
        <translation>B vaut 0, et x&#xa0;=&#xa0;A&#xa0;×&#xa0;C&#xa0;÷&#xa0;B se calcule en divisant par lui</translation>
    </message>
    <message>
        <source>Proportion</source>
        <translation>Proportion</translation>
    </message>
    <message>
        <source>A is to …</source>
        <translation>A est à…</translation>
    </message>
    <message>
        <source>… B as …</source>
        <translation>… B ce que…</translation>
    </message>
    <message>
        <source>… x is to …</source>
        <translation>… x est à…</translation>
    </message>
    <message>
        <source>… C</source>
        <translation>… C</translation>
    </message>
    <message>
        <source>x = A × C ÷ B</source>
        <translation>x&#xa0;=&#xa0;A&#xa0;×&#xa0;C&#xa0;÷&#xa0;B</translation>
    </message>
    <message>
        <source>&amp;Proportion…</source>
        <translation>&amp;Proportion…</translation>
    </message>
    <message>
        <source>Data sizes</source>
        <translation>Tailles de données</translation>
    </message>
    <message>
        <source>Number bases</source>
        <translation>Bases de numération</translation>
    </message>
    <message>
        <source>binary</source>
        <translation>binaire</translation>
    </message>
    <message>
        <source>octal</source>
        <translation>octal</translation>
    </message>
    <message>
        <source>decimal (signed 32-bit)</source>
        <translation>décimal (entier signé de 32&#xa0;bits)</translation>
    </message>
    <message>
        <source>hexadecimal</source>
        <translation>hexadécimal</translation>
    </message>
    <message>
        <source>Prefixes</source>
        <translation>Préfixes</translation>
    </message>
    <message>
        <source>binary (1 kibibyte = 1024 bytes)</source>
        <translation>binaires (1&#xa0;kibioctet = 1024&#xa0;octets)</translation>
    </message>
    <message>
        <source>decimal (1 kilobyte = 1000 bytes)</source>
        <translation>décimaux (1&#xa0;kilooctet = 1000&#xa0;octets)</translation>
    </message>
    <message>
        <source>&amp;Computing</source>
        <translation>&amp;Informatique</translation>
    </message>
    <message>
        <source>Computing</source>
        <translation>Informatique</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrique</translation>
    </message>
    <message>
        <source>Imperial and US</source>
        <translation>Impérial et US</translation>
    </message>
    <message>
        <source>Acceleratio&amp;n</source>
        <translation>Accélération (&amp;7)</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Accélération</translation>
    </message>
    <message>
        <source>Degrees and turns</source>
        <translation>Degrés et tours</translation>
    </message>
    <message>
        <source>Radians and mils</source>
        <translation>Radians et millièmes</translation>
    </message>
    <message>
        <source>An&amp;gle</source>
        <translation>An&amp;gle</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Impérial</translation>
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
        <translation>Bits par seconde</translation>
    </message>
    <message>
        <source>Bytes per second</source>
        <translation>Octets par seconde</translation>
    </message>
    <message>
        <source>Binary prefixes</source>
        <translation>Préfixes binaires</translation>
    </message>
    <message>
        <source>&amp;Data rate</source>
        <translation>Débit de données (&amp;9)</translation>
    </message>
    <message>
        <source>Data rate</source>
        <translation>Débit de données</translation>
    </message>
    <message>
        <source>Den&amp;sity</source>
        <translation>Masse volumique (&amp;8)</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Masse volumique</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Courant</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Tension</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Résistance</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Capacité</translation>
    </message>
    <message>
        <source>Inductance</source>
        <translation>Inductance</translation>
    </message>
    <message>
        <source>Conductance</source>
        <translation>Conductance</translation>
    </message>
    <message>
        <source>Electricity (&amp;2)</source>
        <translation>Électricité (&amp;2)</translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation>Électricité</translation>
    </message>
    <message>
        <source>Volume per time</source>
        <translation>Débit volumique</translation>
    </message>
    <message>
        <source>Mass per time</source>
        <translation>Débit massique</translation>
    </message>
    <message>
        <source>Flow (&amp;1)</source>
        <translation>Débit (&amp;1)</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Fo&amp;rce</source>
        <translation>&amp;Force</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Frequenc&amp;y and rotation</source>
        <translation>Fré&amp;quence et rotation</translation>
    </message>
    <message>
        <source>Frequency and rotation</source>
        <translation>Fréquence et rotation</translation>
    </message>
    <message>
        <source>Fuel efficiency</source>
        <translation>Consommation de carburant</translation>
    </message>
    <message>
        <source>Illuminance</source>
        <translation>Éclairement</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>Luminance</translation>
    </message>
    <message>
        <source>&amp;Fuel efficiency and light</source>
        <translation>&amp;Consommation et lumière</translation>
    </message>
    <message>
        <source>Fuel efficiency and light</source>
        <translation>Consommation et lumière</translation>
    </message>
    <message>
        <source>Specific energy</source>
        <translation>Énergie massique</translation>
    </message>
    <message>
        <source>Specific heat capacity</source>
        <translation>Capacité thermique massique</translation>
    </message>
    <message>
        <source>Thermal conductivity</source>
        <translation>Conductivité thermique</translation>
    </message>
    <message>
        <source>Heat flux density</source>
        <translation>Densité de flux thermique</translation>
    </message>
    <message>
        <source>Heat transfer coefficient</source>
        <translation>Coefficient de transfert thermique</translation>
    </message>
    <message>
        <source>Thermal insulance</source>
        <translation>Résistance thermique surfacique</translation>
    </message>
    <message>
        <source>Heat (&amp;6)</source>
        <translation>Thermique (&amp;6)</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Thermique</translation>
    </message>
    <message>
        <source>Imperial and nautical</source>
        <translation>Impérial et marin</translation>
    </message>
    <message>
        <source>Astronomical</source>
        <translation>Astronomique</translation>
    </message>
    <message>
        <source>&amp;Length</source>
        <translation>&amp;Longueur</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Flux density</source>
        <translation>Induction magnétique</translation>
    </message>
    <message>
        <source>Flux</source>
        <translation>Flux</translation>
    </message>
    <message>
        <source>Field strength</source>
        <translation>Champ magnétique</translation>
    </message>
    <message>
        <source>Magnetomotive force</source>
        <translation>Force magnétomotrice</translation>
    </message>
    <message>
        <source>Magnetism (&amp;4)</source>
        <translation>Magnétisme (&amp;4)</translation>
    </message>
    <message>
        <source>Magnetism</source>
        <translation>Magnétisme</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Énergie</translation>
    </message>
    <message>
        <source>Power and &amp;energy</source>
        <translation>Puissance et é&amp;nergie</translation>
    </message>
    <message>
        <source>Power and energy</source>
        <translation>Puissance et énergie</translation>
    </message>
    <message>
        <source>The energy box shows one second at this power (1 watt for 1 second is 1 joule).</source>
        <translation>Le cadre de l’énergie affiche une seconde à cette puissance (1&#xa0;watt pendant 1&#xa0;seconde donne 1&#xa0;joule).</translation>
    </message>
    <message>
        <source>The power box shows this energy spent in one second (1 joule in 1 second is 1 watt).</source>
        <translation>Le cadre de la puissance affiche cette énergie dépensée en une seconde (1&#xa0;joule en 1&#xa0;seconde donne 1&#xa0;watt).</translation>
    </message>
    <message>
        <source>Mercury column</source>
        <translation>Colonne de mercure</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>&amp;Pressure</source>
        <translation>P&amp;ression</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Absorbed dose</source>
        <translation>Dose absorbée</translation>
    </message>
    <message>
        <source>Equivalent dose</source>
        <translation>Dose équivalente</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Activité</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposition</translation>
    </message>
    <message>
        <source>Absorbed dose rate</source>
        <translation>Débit de dose absorbée</translation>
    </message>
    <message>
        <source>Equivalent dose rate</source>
        <translation>Débit de dose équivalente</translation>
    </message>
    <message>
        <source>Ioni&amp;zing radiation</source>
        <translation>Ra&amp;yonnements ionisants</translation>
    </message>
    <message>
        <source>Ionizing radiation</source>
        <translation>Rayonnements ionisants</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Molar concentration</source>
        <translation>Concentration molaire</translation>
    </message>
    <message>
        <source>Molality</source>
        <translation>Molalité</translation>
    </message>
    <message>
        <source>Catalytic activity</source>
        <translation>Activité catalytique</translation>
    </message>
    <message>
        <source>Amount of substance (&amp;5)</source>
        <translation>Quantité de matière (&amp;5)</translation>
    </message>
    <message>
        <source>Amount of substance</source>
        <translation>Quantité de matière</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>&amp;Temperature</source>
        <translation>&amp;Température</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>T&amp;ime</source>
        <translation>Te&amp;mps</translation>
    </message>
    <message>
        <source>Tor&amp;que</source>
        <translation>Mom&amp;ent de force</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Moment de force</translation>
    </message>
    <message>
        <source>&amp;Velocity</source>
        <translation>&amp;Vitesse</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Capped at warp 9.99, the fastest speed this window converts.</source>
        <translation>Plafonné au facteur de distorsion 9,99, la plus grande vitesse que cette fenêtre convertit.</translation>
    </message>
    <message>
        <source>Capped at 2147.26 times the speed of light (warp 9.99), the fastest speed this window converts.</source>
        <translation>Plafonné à 2147,26 fois la vitesse de la lumière (distorsion 9,99), la plus grande vitesse que cette fenêtre convertit.</translation>
    </message>
    <message>
        <source>Dynamic viscosity</source>
        <translation>Viscosité dynamique</translation>
    </message>
    <message>
        <source>Kinematic viscosity</source>
        <translation>Viscosité cinématique</translation>
    </message>
    <message>
        <source>Viscosity (&amp;3)</source>
        <translation>Viscosité (&amp;3)</translation>
    </message>
    <message>
        <source>Viscosity</source>
        <translation>Viscosité</translation>
    </message>
    <message>
        <source>Metric liquid</source>
        <translation>Métrique (liquides)</translation>
    </message>
    <message>
        <source>Metric cubic</source>
        <translation>Métrique (cubes)</translation>
    </message>
    <message>
        <source>US</source>
        <translation>US</translation>
    </message>
    <message>
        <source>Metric cooking</source>
        <translation>Cuisine métrique</translation>
    </message>
    <message>
        <source>US cooking</source>
        <translation>Cuisine US</translation>
    </message>
    <message>
        <source>V&amp;olume</source>
        <translation>V&amp;olume</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Avoirdupois</source>
        <translation>Avoirdupois</translation>
    </message>
    <message>
        <source>Apothecaries&apos;</source>
        <translation>Apothicaires</translation>
    </message>
    <message>
        <source>Troy</source>
        <translation>Troy</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>&amp;Poids</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could be %2</source>
        <translation>«&#xa0;%1&#xa0;» peut désigner %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1 at character %2</source>
        <translation>%1 (caractère %2)</translation>
    </message>
    <message>
        <source>not a number: %1</source>
        <translation>ce n’est pas un nombre&#xa0;: %1</translation>
    </message>
    <message>
        <source>this field shows a result and takes no entry</source>
        <translation>ce champ affiche un résultat et n’accepte aucune saisie</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>ce n’est pas un nombre</translation>
    </message>
    <message>
        <source>not a number: a control character</source>
        <translation>ce n’est pas un nombre&#xa0;: caractère de contrôle</translation>
    </message>
    <message>
        <source>not a number: expected an operator</source>
        <translation>ce n’est pas un nombre&#xa0;: opérateur attendu</translation>
    </message>
    <message>
        <source>expected an operator or a unit</source>
        <translation>opérateur ou unité attendu</translation>
    </message>
    <message>
        <source>a sum of amounts needs a unit after each</source>
        <translation>une somme de quantités demande une unité après chacune</translation>
    </message>
    <message>
        <source>unclosed parenthesis</source>
        <translation>parenthèse non fermée</translation>
    </message>
    <message>
        <source>control character</source>
        <translation>caractère de contrôle</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos;</source>
        <translation>caractère «&#xa0;%1&#xa0;» inattendu</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>division par zéro</translation>
    </message>
    <message>
        <source>expected a number</source>
        <translation>nombre attendu</translation>
    </message>
    <message>
        <source>too deeply nested</source>
        <translation>trop de parenthèses imbriquées</translation>
    </message>
    <message>
        <source>expected &apos;)&apos;</source>
        <translation>parenthèse fermante «&#xa0;)&#xa0;» attendue</translation>
    </message>
    <message>
        <source>%1 — classic tables</source>
        <translation>%1 — tables classiques</translation>
    </message>
    <message>
        <source>no unit &apos;%1&apos; here</source>
        <translation>aucune unité «&#xa0;%1&#xa0;» dans cette fenêtre</translation>
    </message>
    <message>
        <source>Everyday</source>
        <translation>Usage courant</translation>
    </message>
    <message>
        <source>Science and engineering</source>
        <translation>Sciences et techniques</translation>
    </message>
    <message>
        <source>binary digits are 0 and 1</source>
        <translation>les chiffres binaires sont 0 et 1</translation>
    </message>
    <message>
        <source>octal digits are 0 to 7</source>
        <translation>les chiffres octaux vont de 0 à 7</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>ce n’est pas un nombre entier</translation>
    </message>
    <message>
        <source>hexadecimal digits are 0 to 9 and a to f</source>
        <translation>les chiffres hexadécimaux vont de 0 à 9 et de a à f</translation>
    </message>
    <message>
        <source>outside -2147483648 to 2147483647</source>
        <translation>hors de l’intervalle de -2147483648 à 2147483647</translation>
    </message>
    <message>
        <source>more than 32 bits</source>
        <translation>plus de 32&#xa0;bits</translation>
    </message>
    <message>
        <source>too long</source>
        <translation>trop long</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>trop grand</translation>
    </message>
    <message>
        <source>too small to tell from zero</source>
        <translation>trop petit pour être distingué de zéro</translation>
    </message>
    <message>
        <source>use a comma for decimals; numbers take no group separators</source>
        <translation>la virgule sépare les décimales&#xa0;; les nombres ne prennent pas de séparateur de milliers</translation>
    </message>
    <message>
        <source>&amp;Notebook</source>
        <translation>&amp;Carnet</translation>
    </message>
    <message>
        <source>Feet and inches</source>
        <translation>Pieds et pouces</translation>
    </message>
    <message>
        <source>Stone and pounds</source>
        <translation>Stones et livres</translation>
    </message>
    <message>
        <source>Pounds and ounces</source>
        <translation>Livres et onces</translation>
    </message>
    <message>
        <source>Hours, minutes and seconds</source>
        <translation>Heures, minutes et secondes</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>%1 — Notes</source>
        <translation>%1 — Carnet</translation>
    </message>
</context>
</TS>
