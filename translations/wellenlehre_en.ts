<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de">
<context>
    <name>kestrup::Form1</name>
    <message>
        <location filename="../kestrup/form1.cpp" line="62"/>
        <source>Zeigerdarstellung für zwei Wellen</source>
        <translation>Phasors of two waves</translation>
    </message>
    <message>
        <location filename="../kestrup/form1.cpp" line="71"/>
        <source>Halt/Weiter</source>
        <translation>Halt/Resume</translation>
    </message>
    <message>
        <location filename="../kestrup/form1.cpp" line="73"/>
        <source>Ende</source>
        <translation>Exit</translation>
    </message>
    <message>
        <location filename="../kestrup/form1.cpp" line="77"/>
        <source>Gangdifferenz ds</source>
        <translation>Path difference ds</translation>
    </message>
    <message>
        <location filename="../kestrup/form1.cpp" line="99"/>
        <source>Parameter</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <location filename="../kestrup/form1.cpp" line="103"/>
        <source>Frequenz</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <location filename="../kestrup/form1.cpp" line="107"/>
        <source>Wellenlänge</source>
        <translation>Wavelength</translation>
    </message>
    <message>
        <location filename="../kestrup/form1.cpp" line="111"/>
        <source>Gangdifferenz</source>
        <translation>Path difference</translation>
    </message>
    <message>
        <location filename="../kestrup/form1.cpp" line="126"/>
        <source>Darstellung</source>
        <translation>Display</translation>
    </message>
    <message>
        <location filename="../kestrup/form1.cpp" line="131"/>
        <source>Welle1</source>
        <translation>Wave 1</translation>
    </message>
    <message>
        <location filename="../kestrup/form1.cpp" line="132"/>
        <location filename="../kestrup/form1.cpp" line="138"/>
        <location filename="../kestrup/form1.cpp" line="143"/>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <location filename="../kestrup/form1.cpp" line="133"/>
        <location filename="../kestrup/form1.cpp" line="139"/>
        <location filename="../kestrup/form1.cpp" line="144"/>
        <source>Zeiger</source>
        <translation>Phasor</translation>
    </message>
    <message>
        <location filename="../kestrup/form1.cpp" line="134"/>
        <location filename="../kestrup/form1.cpp" line="140"/>
        <location filename="../kestrup/form1.cpp" line="145"/>
        <source>Linie</source>
        <translation>Line</translation>
    </message>
    <message>
        <location filename="../kestrup/form1.cpp" line="137"/>
        <source>Welle 2</source>
        <translation>Wave 2</translation>
    </message>
    <message>
        <location filename="../kestrup/form1.cpp" line="142"/>
        <source>Überlagerung</source>
        <translation>Superposition</translation>
    </message>
    <message>
        <location filename="../kestrup/form1.cpp" line="151"/>
        <source>Zeigerkette</source>
        <translation>Phasor chain</translation>
    </message>
    <message>
        <location filename="../kestrup/form1.cpp" line="162"/>
        <source>Mausklick verbirgt die Zeigerkette</source>
        <translation>Click hides the phasor chain</translation>
    </message>
    <message>
        <location filename="../kestrup/form1.cpp" line="164"/>
        <source>Mausklick zeigt die Zeigerkette</source>
        <translation>Click shows the phasor chain</translation>
    </message>
    <message>
        <location filename="../kestrup/form1.cpp" line="259"/>
        <source> ds = %1</source>
        <translation> ds = %1</translation>
    </message>
</context>
<context>
    <name>kestrup::help</name>
    <message>
        <location filename="../kestrup/help_page.cpp" line="13"/>
        <source>&lt;p&gt;Zwei transversale Wellen laufen nach rechts, Welle1 um den Gangunterschied gegen Welle 2 verschoben, darunter ihre Überlagerung. Jede lässt sich als Punkte, als Phasenzeiger und als Linie zeigen.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Die Schieberegler stellen &lt;b&gt;Frequenz&lt;/b&gt;, &lt;b&gt;Wellenlänge&lt;/b&gt; und &lt;b&gt;Gangdifferenz&lt;/b&gt; ein.&lt;/li&gt;&lt;li&gt;Die Kästchen &lt;b&gt;Punkte&lt;/b&gt;, &lt;b&gt;Zeiger&lt;/b&gt; und &lt;b&gt;Linie&lt;/b&gt; unter Welle1, Welle 2 und Überlagerung schalten die Darstellungen zu.&lt;/li&gt;&lt;li&gt;Sind alle drei „Zeiger“ an, hängt das Feld oben rechts die beiden Zeiger am Messpunkt aneinander und zeigt die Resultierende; ein Mausklick darauf verbirgt oder zeigt die Zeigerkette.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Halt/Weiter&lt;/b&gt; hält die Wellen an und lässt sie weiterlaufen, &lt;b&gt;Ende&lt;/b&gt; beendet das Programm.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Two transverse waves run to the right, Wave 1 shifted against Wave 2 by the path difference, and below them their superposition. Each can be shown as points, as phasors and as a line.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;The sliders set &lt;b&gt;Frequency&lt;/b&gt;, &lt;b&gt;Wavelength&lt;/b&gt; and &lt;b&gt;Path difference&lt;/b&gt;.&lt;/li&gt;&lt;li&gt;The boxes &lt;b&gt;Points&lt;/b&gt;, &lt;b&gt;Phasor&lt;/b&gt; and &lt;b&gt;Line&lt;/b&gt; under Wave 1, Wave 2 and Superposition switch the displays on.&lt;/li&gt;&lt;li&gt;With all three “Phasor” boxes on, the panel at the top right puts the two phasors at the measuring point head to tail and shows the resultant; a mouse click on it hides or shows the phasor chain.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Halt/Resume&lt;/b&gt; halts the waves and lets them run on, &lt;b&gt;Exit&lt;/b&gt; ends the program.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../orvane/main.cpp" line="14"/>
        <source>Orvane zeigt Wellen und ihre Phasenzeiger. Das Startmenü öffnet zwei Simulationen:
den Zeigerformalismus (zwei Sinuswellen, ihre Summe und die Zeiger eines gewählten Punktes)
und das Huyghenssche Prinzip (Elementarwellen, ihre Einhüllende, die Amplitude im Nahfeld).
Im Zeigerformalismus drücken Leertaste und Eingabe auch „----&gt;“, wenn es den Fokus hat.
</source>
        <translation>Orvane shows waves and their phasors. The start menu opens two simulations:
the phasor method (two sine waves, their sum and the phasors of a selected point)
and Huygens&apos; principle (elementary waves, their envelope, the amplitude in the near field).
In the phasor method, Space and Enter also press “----&gt;” when it has the focus.
</translation>
    </message>
    <message>
        <location filename="../kestrup/main.cpp" line="13"/>
        <source>Kestrup zeigt zwei transversale Wellen, die erste um einen Gangunterschied verschoben,
und ihre Überlagerung, jede als Punkte, Zeiger und Linie. Mit allen drei „Zeiger“ zeigt
der Kasten oben rechts die Zeigersumme. „Halt/Weiter“ hält an und setzt fort, „Ende“ beendet.
</source>
        <translation>Kestrup shows two transverse waves, the first shifted by a path difference,
and their superposition, each as points, phasors and line. With all three “Phasor” boxes on,
the box at the top right shows the sum of the phasors. “Halt/Resume” halts and resumes, “Exit” ends.
</translation>
    </message>
    <message>
        <location filename="../tilmora/main.cpp" line="13"/>
        <source>Tilmora zeigt die Interferenz zweier kohärenter Wellen als Balken, die Phasenzeiger an der
Spalte unter der Maus und mit „Farbe“ die Farbe einer Wellenlänge zwischen 300 und 800 nm,
die der Gangunterschied in der Summe aufhellt oder abdunkelt.
</source>
        <translation>Tilmora shows the interference of two coherent waves as bars, the phasors at the
column under the mouse and, with “Colour”, the colour of a wavelength between 300 and 800 nm,
which the path difference brightens or darkens in the sum.
</translation>
    </message>
</context>
<context>
    <name>orvane::Form1</name>
    <message>
        <location filename="../orvane/form1.cpp" line="32"/>
        <source>Huyghenssches Prinzip - Zeigerformalismus</source>
        <translation>Huygens&apos; principle - Phasor method</translation>
    </message>
    <message>
        <location filename="../orvane/form1.cpp" line="38"/>
        <source>Huyghenssches Prinzip und  Zeigerformalismus.</source>
        <translation>Huygens&apos; principle and  phasor method.</translation>
    </message>
    <message>
        <location filename="../orvane/form1.cpp" line="43"/>
        <source>Zeigerformalismus</source>
        <translation>Phasor method</translation>
    </message>
    <message>
        <location filename="../orvane/form1.cpp" line="47"/>
        <source>Das Programm erläutert den Begriff  des Phasenzeigers einer Sinuswelle. Seine Stellung wird in Abhängigkeit von Zeit und Ort dargestellt. Mit Hilfe der Vektorsumme von Phasenzeigern kann die Superposition von zwei gegen- einander verschobenen Wellen berechnet werden.</source>
        <translation>The program explains the concept  of the phasor of a sine wave. Its position is shown as a function of time and place. With the vector sum of phasors the superposition of two waves shifted against each other can be calculated.</translation>
    </message>
    <message>
        <location filename="../orvane/form1.cpp" line="56"/>
        <source>Huyghenssches Prinzip</source>
        <translation>Huygens&apos; principle</translation>
    </message>
    <message>
        <location filename="../orvane/form1.cpp" line="60"/>
        <source>Das Programm zeigt, wie aus einer Schar von Elementarwellen und und ihren Einhüllenden  das Momentbild eines Wellenfeldes entsteht.                        Durch Anwendung des Zeigerformalismus auf die Elementarwellen und Summation der Phasenzeiger lassen sich genauere Informationen über das  Wellenfeld gewinnen, z.B. Amplitudenspektren längs eines vorgegebenen Schnittes.</source>
        <translation>The program shows how a family of elementary waves and their envelope  form the snapshot of a wave field.                        Applying the phasor method to the elementary waves and adding their phasors gives more detailed information about the  wave field, e.g. amplitude spectra along a given cut.</translation>
    </message>
    <message>
        <location filename="../orvane/form1.cpp" line="70"/>
        <source>Ende</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>orvane::Form2</name>
    <message>
        <location filename="../orvane/form2.cpp" line="39"/>
        <source>Superposition von Wellen - Phasenzeiger</source>
        <translation>Superposition of waves - Phasors</translation>
    </message>
    <message>
        <location filename="../orvane/form2.cpp" line="45"/>
        <source>Start W1/Menu</source>
        <translation>Start W1/Menu</translation>
    </message>
    <message>
        <location filename="../orvane/form2.cpp" line="47"/>
        <location filename="../orvane/form2.cpp" line="51"/>
        <location filename="../orvane/form2.cpp" line="55"/>
        <location filename="../orvane/form2.cpp" line="191"/>
        <location filename="../orvane/form2.cpp" line="202"/>
        <location filename="../orvane/form2.cpp" line="208"/>
        <source>off</source>
        <translation>off</translation>
    </message>
    <message>
        <location filename="../orvane/form2.cpp" line="49"/>
        <source>Welle 2 on/off</source>
        <translation>Wave 2 on/off</translation>
    </message>
    <message>
        <location filename="../orvane/form2.cpp" line="53"/>
        <source>Summe on/off</source>
        <translation>Sum on/off</translation>
    </message>
    <message>
        <location filename="../orvane/form2.cpp" line="61"/>
        <source>Wellenlänge</source>
        <translation>Wavelength</translation>
    </message>
    <message>
        <location filename="../orvane/form2.cpp" line="67"/>
        <source>Geschwindigkeit</source>
        <translation>Speed</translation>
    </message>
    <message>
        <location filename="../orvane/form2.cpp" line="73"/>
        <source>Phasenverschiebung</source>
        <translation>Phase shift</translation>
    </message>
    <message>
        <location filename="../orvane/form2.cpp" line="79"/>
        <source>Mausklick an einer Stelle der Wellen zeigt Vektorsumme </source>
        <translation>Click on the waves to show the vector sum </translation>
    </message>
    <message>
        <location filename="../orvane/form2.cpp" line="89"/>
        <source>Vektorsumme W1+W2</source>
        <translation>Vector sum W1+W2</translation>
    </message>
    <message>
        <location filename="../orvane/form2.cpp" line="91"/>
        <location filename="../orvane/form2.cpp" line="217"/>
        <location filename="../orvane/form2.cpp" line="219"/>
        <source>Zeiger W1 und W2</source>
        <translation>Phasors W1 and W2</translation>
    </message>
    <message>
        <location filename="../orvane/form2.cpp" line="99"/>
        <source>Wellen</source>
        <translation>Waves</translation>
    </message>
    <message>
        <location filename="../orvane/form2.cpp" line="100"/>
        <source>Phasenzeiger</source>
        <translation>Phasors</translation>
    </message>
    <message>
        <location filename="../orvane/form2.cpp" line="187"/>
        <source>W1 on</source>
        <translation>W1 on</translation>
    </message>
    <message>
        <location filename="../orvane/form2.cpp" line="188"/>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <location filename="../orvane/form2.cpp" line="193"/>
        <source>Start/W1</source>
        <translation>Start/W1</translation>
    </message>
    <message>
        <location filename="../orvane/form2.cpp" line="202"/>
        <location filename="../orvane/form2.cpp" line="208"/>
        <source>on</source>
        <translation>on</translation>
    </message>
    <message>
        <location filename="../orvane/form2.cpp" line="216"/>
        <location filename="../orvane/form2.cpp" line="220"/>
        <source>Vektorsumme W1 + W2</source>
        <translation>Vector sum W1 + W2</translation>
    </message>
</context>
<context>
    <name>orvane::Form3</name>
    <message>
        <location filename="../orvane/form3.cpp" line="31"/>
        <source> Huygen-Fresnel Prinzip und Zeigerdarstellung</source>
        <translation> Huygens-Fresnel principle and phasors</translation>
    </message>
    <message>
        <location filename="../orvane/form3.cpp" line="46"/>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <location filename="../orvane/form3.cpp" line="49"/>
        <source>Zahl der Elementarwellen</source>
        <translation>Number of elementary waves</translation>
    </message>
    <message>
        <location filename="../orvane/form3.cpp" line="53"/>
        <source>Wellenlänge</source>
        <translation>Wavelength</translation>
    </message>
    <message>
        <location filename="../orvane/form3.cpp" line="56"/>
        <source>Im Wellenfeld Mausklick links: Zeiger (einzel) und Vektorsumme</source>
        <translation>Left click in the wave field: single phasors and vector sum</translation>
    </message>
    <message>
        <location filename="../orvane/form3.cpp" line="60"/>
        <source>Im Wellenfeld Mausklick rechts:Berechnung der Amplitutenverteilung (Nahfeld)</source>
        <translation>Right click in the wave field: amplitude distribution (near field)</translation>
    </message>
    <message>
        <location filename="../orvane/form3.cpp" line="68"/>
        <source>Zeiger und respektive Vektorsumme</source>
        <translation>Phasors and their vector sum</translation>
    </message>
    <message>
        <location filename="../orvane/form3.cpp" line="72"/>
        <location filename="../orvane/form3.cpp" line="78"/>
        <source>Cls</source>
        <translation>Cls</translation>
    </message>
    <message>
        <location filename="../orvane/form3.cpp" line="80"/>
        <source>Amplitudenverteilung</source>
        <translation>Amplitude distribution</translation>
    </message>
    <message>
        <location filename="../orvane/form3.cpp" line="95"/>
        <source>Phasenzeiger</source>
        <translation>Phasors</translation>
    </message>
</context>
<context>
    <name>orvane::help</name>
    <message>
        <location filename="../orvane/help_pages.cpp" line="13"/>
        <source>&lt;p&gt;Das Startmenü öffnet zwei Simulationen zu Wellen und ihren Phasenzeigern (Zeigern, deren Länge die Amplitude und deren Winkel die Phase angibt).&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Zeigerformalismus&lt;/b&gt;: zwei Sinuswellen W1 und W2, ihre Summe und die Zeiger eines gewählten Punktes.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Huyghenssches Prinzip&lt;/b&gt;: Elementarwellen als Kreise, die Zeigerkette an einem Punkt des Feldes und die Amplitudenverteilung im Nahfeld.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ende&lt;/b&gt; beendet das Programm.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;The start menu opens two simulations of waves and their phasors (arrows whose length gives the amplitude and whose angle gives the phase).&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Phasor method&lt;/b&gt;: two sine waves W1 and W2, their sum and the phasors of a selected point.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Huygens&apos; principle&lt;/b&gt;: elementary waves as circles, the phasor chain at a point of the field and the amplitude distribution in the near field.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Exit&lt;/b&gt; ends the program.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <location filename="../orvane/help_pages.cpp" line="26"/>
        <source>&lt;p&gt;Zwei Sinuswellen W1 und W2 gleicher Amplitude laufen als Reihen von Säulen nach rechts; W2 ist gegen W1 um die Phasenverschiebung versetzt, darunter läuft ihre Summe. Oben zeigt das Feld die Zeiger des gewählten Punktes (grüne Säule): nebeneinander als „Zeiger W1 und W2“ oder aneinandergehängt als „Vektorsumme W1+W2“.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Start W1/Menu&lt;/b&gt; startet die Wellen; „Menu“ hält sie an und führt zum Startmenü zurück.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Welle 2 on/off&lt;/b&gt; und &lt;b&gt;Summe on/off&lt;/b&gt; schalten W2 und die Summe zu.&lt;/li&gt;&lt;li&gt;Die Schieberegler stellen &lt;b&gt;Wellenlänge&lt;/b&gt;, &lt;b&gt;Geschwindigkeit&lt;/b&gt; und &lt;b&gt;Phasenverschiebung&lt;/b&gt; ein.&lt;/li&gt;&lt;li&gt;Ein Mausklick auf die Wellen wählt den Punkt, dessen Zeiger oben stehen; mit gedrückter Taste lässt er sich ziehen. &lt;b&gt;&amp;lt;----&lt;/b&gt; und &lt;b&gt;----&amp;gt;&lt;/b&gt; wählen den Nachbarpunkt.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Vektorsumme W1+W2&lt;/b&gt; wechselt zwischen den einzelnen Zeigern und ihrer Summe.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Zum Erklären: P hält die Wellen an, N zeigt Bild für Bild, wie sich die Zeiger drehen, während die Säulen wandern.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Two sine waves W1 and W2 of equal amplitude run to the right as rows of columns; W2 is offset against W1 by the phase shift, and their sum runs below. At the top the panel shows the phasors of the selected point (green column): side by side as “Phasors W1 and W2” or head to tail as “Vector sum W1+W2”.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Start W1/Menu&lt;/b&gt; starts the waves; “Menu” halts them and returns to the start menu.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Wave 2 on/off&lt;/b&gt; and &lt;b&gt;Sum on/off&lt;/b&gt; switch on W2 and the sum.&lt;/li&gt;&lt;li&gt;The sliders set &lt;b&gt;Wavelength&lt;/b&gt;, &lt;b&gt;Speed&lt;/b&gt; and &lt;b&gt;Phase shift&lt;/b&gt;.&lt;/li&gt;&lt;li&gt;A mouse click on the waves selects the point whose phasors are shown at the top; with the button held down it can be dragged. &lt;b&gt;&amp;lt;----&lt;/b&gt; and &lt;b&gt;----&amp;gt;&lt;/b&gt; select the neighbouring point.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Vector sum W1+W2&lt;/b&gt; switches between the single phasors and their sum.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;For explaining: P halts the waves, N shows frame by frame how the phasors turn while the columns move on.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../orvane/help_pages.cpp" line="48"/>
        <source>&lt;p&gt;2N+1 kohärente Quellen auf der senkrechten Achse senden Elementarwellen aus, gezeichnet als Kreise im Abstand einer Wellenlänge; ihre Einhüllende ist die Wellenfront.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Die Schieberegler stellen die &lt;b&gt;Zahl der Elementarwellen&lt;/b&gt; und die &lt;b&gt;Wellenlänge&lt;/b&gt; ein; das Feld wird neu gezeichnet.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Mausklick links&lt;/b&gt; ins Feld: rote Linien zu den Quellen, im Feld „Zeiger und respektive Vektorsumme“ der Zeiger jeder Elementarwelle an diesem Punkt und ihre Kette mit der roten Resultierenden. Mit gedrückter Taste lässt sich der Punkt ziehen.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Mausklick rechts&lt;/b&gt; ins Feld: der senkrechte Schnitt durch den Punkt wird abgetastet; „Amplitudenverteilung“ zeigt die Amplitude im Nahfeld längs des Schnitts.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Cls&lt;/b&gt; räumt die Zeiger oder die Amplitudenverteilung ab, &lt;b&gt;Menu&lt;/b&gt; führt zum Startmenü.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;P hält eine laufende Abtastung am nächsten Punkt an, N tastet einen Punkt weiter.&lt;/p&gt;</source>
        <translation>&lt;p&gt;2N+1 coherent sources on the vertical axis emit elementary waves, drawn as circles one wavelength apart; their envelope is the wave front.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;The sliders set the &lt;b&gt;Number of elementary waves&lt;/b&gt; and the &lt;b&gt;Wavelength&lt;/b&gt;; the field is drawn anew.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Left click&lt;/b&gt; in the field: red lines to the sources, and in the panel “Phasors and their vector sum” the phasor of every elementary wave at this point and their chain with the red resultant. With the button held down the point can be dragged.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Right click&lt;/b&gt; in the field: the vertical cut through the point is scanned; “Amplitude distribution” shows the amplitude in the near field along the cut.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Cls&lt;/b&gt; clears the phasors or the amplitude distribution, &lt;b&gt;Menu&lt;/b&gt; returns to the start menu.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;P halts a running scan at the next point, N scans one point further.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <location filename="../platform/lesson_tools.cpp" line="23"/>
        <source> – Pause</source>
        <translation> – Paused</translation>
    </message>
    <message>
        <location filename="../platform/lesson_tools.cpp" line="140"/>
        <source>P, Pause</source>
        <translation>P, Pause</translation>
    </message>
    <message>
        <location filename="../platform/lesson_tools.cpp" line="141"/>
        <source>hält jede laufende Animation an ihrem Bild an (eine Abtastung der Amplitude beim nächsten Punkt); P noch einmal setzt fort</source>
        <translation>pauses every running animation at its frame (a scan of the amplitude at its next point); P again goes on</translation>
    </message>
    <message>
        <location filename="../platform/lesson_tools.cpp" line="143"/>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <location filename="../platform/lesson_tools.cpp" line="143"/>
        <source>im Halt genau ein Bild (einen Abtastpunkt) weiter</source>
        <translation>while paused: exactly one more frame (one scan point)</translation>
    </message>
    <message>
        <location filename="../platform/lesson_tools.cpp" line="144"/>
        <source>Strg+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <location filename="../platform/lesson_tools.cpp" line="145"/>
        <source>kopiert das Bild des Fensters samt Bedienelementen</source>
        <translation>copies the window&apos;s picture, controls included</translation>
    </message>
    <message>
        <location filename="../platform/lesson_tools.cpp" line="146"/>
        <source>Strg+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <location filename="../platform/lesson_tools.cpp" line="146"/>
        <source>speichert es als PNG</source>
        <translation>saves it as PNG</translation>
    </message>
    <message>
        <location filename="../platform/lesson_tools.cpp" line="147"/>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <location filename="../platform/lesson_tools.cpp" line="147"/>
        <source>Hilfe zum Fenster; Esc schließt sie</source>
        <translation>help on the window; Esc closes it</translation>
    </message>
    <message>
        <location filename="../platform/lesson_tools.cpp" line="148"/>
        <source>Tab, Umschalt+Tab</source>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <location filename="../platform/lesson_tools.cpp" line="149"/>
        <source>zum nächsten, zum vorigen Bedienelement</source>
        <translation>to the next, the previous control</translation>
    </message>
    <message>
        <location filename="../platform/lesson_tools.cpp" line="150"/>
        <source>Pfeiltasten, Pos1, Ende, Bild auf, Bild ab</source>
        <translation>Arrows, Home, End, Page Up, Page Down</translation>
    </message>
    <message>
        <location filename="../platform/lesson_tools.cpp" line="151"/>
        <source>bewegen den Schieberegler, der den Fokus hat</source>
        <translation>move the slider that has the focus</translation>
    </message>
    <message>
        <location filename="../platform/lesson_tools.cpp" line="152"/>
        <source>Leertaste, Eingabe</source>
        <translation>Space, Enter</translation>
    </message>
    <message>
        <location filename="../platform/lesson_tools.cpp" line="153"/>
        <source>drücken die Schaltfläche oder das Kästchen, das den Fokus hat</source>
        <translation>press the button or check box that has the focus</translation>
    </message>
    <message>
        <location filename="../platform/lesson_tools.cpp" line="166"/>
        <source>Tasten in jedem Fenster:</source>
        <translation>Keys in every window:</translation>
    </message>
    <message>
        <location filename="../platform/startup.cpp" line="170"/>
        <source>Aufruf: %1 [--help | --version | --lang de|en]
  --lang de, --lang en  die Sprache der Texte; ohne --lang die der Systemeinstellung
                        (Englisch, wo sie Englisch ist, sonst Deutsch)
</source>
        <translation>Usage: %1 [--help | --version | --lang de|en]
  --lang de, --lang en  the language of the texts; without --lang that of the system settings
                        (English where they are English, German otherwise)
</translation>
    </message>
    <message>
        <location filename="../platform/startup.cpp" line="215"/>
        <source>%1: keine Übersetzung für --lang %2; die Texte bleiben deutsch.</source>
        <translation>%1: no translation for --lang %2; the texts stay German.</translation>
    </message>
    <message>
        <location filename="../platform/window_picture.cpp" line="38"/>
        <location filename="../platform/window_picture.cpp" line="93"/>
        <source>Bild speichern</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <location filename="../platform/window_picture.cpp" line="39"/>
        <source>Das Bild wurde nicht gespeichert:
%1

%2</source>
        <translation>The picture was not saved:
%1

%2</translation>
    </message>
    <message>
        <location filename="../platform/window_picture.cpp" line="68"/>
        <source>Das Bild ließ sich nicht als PNG umwandeln.</source>
        <translation>The picture could not be converted to PNG.</translation>
    </message>
    <message>
        <location filename="../platform/window_picture.cpp" line="74"/>
        <source>In diesen Ordner darf nicht geschrieben werden.</source>
        <translation>This folder may not be written to.</translation>
    </message>
    <message>
        <location filename="../platform/window_picture.cpp" line="75"/>
        <source>Die Datei lässt sich dort nicht anlegen.</source>
        <translation>The file cannot be created there.</translation>
    </message>
    <message>
        <location filename="../platform/window_picture.cpp" line="79"/>
        <source>Die Datei ließ sich nicht vollständig schreiben; ist der Datenträger voll?</source>
        <translation>The file could not be written completely; is the disk full?</translation>
    </message>
    <message>
        <location filename="../platform/window_picture.cpp" line="97"/>
        <source>PNG-Bilder (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <location filename="../platform/window_picture.cpp" line="99"/>
        <source>Ordner:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <location filename="../platform/window_picture.cpp" line="100"/>
        <source>Dateiname:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <location filename="../platform/window_picture.cpp" line="101"/>
        <source>Dateityp:</source>
        <translation>File type:</translation>
    </message>
    <message>
        <location filename="../platform/window_picture.cpp" line="102"/>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../platform/window_picture.cpp" line="103"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>platform::HelpWindow</name>
    <message>
        <location filename="../platform/help_window.cpp" line="47"/>
        <source>Hilfe – %1</source>
        <translation>Help – %1</translation>
    </message>
    <message>
        <location filename="../platform/help_window.cpp" line="55"/>
        <source>Tasten</source>
        <translation>Keys</translation>
    </message>
</context>
<context>
    <name>tilmora::form1</name>
    <message>
        <location filename="../tilmora/form1.cpp" line="53"/>
        <source>Interferenz zweier kohärenter Wellen -   Darstellung mit Phasenzeigern</source>
        <translation>Interference of two coherent waves -   shown with phasors</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="76"/>
        <source>    Wellenlänge</source>
        <translation>    Wavelength</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="80"/>
        <source> 300 ....Nanometer....800</source>
        <translation> 300 ...nanometres...800</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="83"/>
        <source>    Zeitdehnung</source>
        <translation>    Slow motion</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="88"/>
        <source>ca.10  ........10    fach</source>
        <extracomment>The exponents 14 and 17 are labels laid over the text right after its two &quot;10&quot;s: keep both 10s.</extracomment>
        <translation>ca.10  ........10    fold</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="102"/>
        <source>Gangdifferenz in Wellenlänge bzw. Grad</source>
        <translation>Path difference in wavelengths or deg.</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="106"/>
        <source>Start/Stopp</source>
        <translation>Start/Stop</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="107"/>
        <source>Welle 2 on/off</source>
        <translation>Wave 2 on/off</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="108"/>
        <source>Summe  on/off</source>
        <translation>Sum  on/off</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="109"/>
        <source>Farbe     on/off</source>
        <translation>Colour     on/off</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="111"/>
        <source>  Phasenzeiger        W1 und W2</source>
        <extracomment>The blanks break the caption into two lines on the button.</extracomment>
        <translation>  Phasors            W1 and W2</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="113"/>
        <source>  Phasenzeiger           Summe</source>
        <extracomment>The blanks break the caption into two lines on the button.</extracomment>
        <translation>  Phasors               Sum</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="130"/>
        <source>             W1 oder W2
</source>
        <translation>              W1 or W2
</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="148"/>
        <source>Bildunterschrift</source>
        <translation>Caption</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="149"/>
        <source>Farbreiz W1 oder W2</source>
        <translation>Colour stimulus W1 or W2</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="150"/>
        <source>Farbreiz W1+W2</source>
        <translation>Colour stimulus W1+W2</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="151"/>
        <source>Wellen</source>
        <translation>Waves</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="152"/>
        <source>Phasenzeiger</source>
        <translation>Phasors</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="158"/>
        <source>Anzeige %1</source>
        <extracomment>An indicator light, named after its button&apos;s caption (%1).</extracomment>
        <translation>Indicator %1</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="206"/>
        <source>0 Wellenl. oder   0°</source>
        <translation>0 λ or   0°</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="253"/>
        <source>%1 Wellenl. oder  %2°</source>
        <translation>%1 λ or  %2°</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="262"/>
        <source>        Wellen W1 und W2</source>
        <translation>        Waves W1 and W2</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="263"/>
        <source>                 Welle W1</source>
        <translation>                 Wave W1</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="279"/>
        <source>          Wellen W1 und W2</source>
        <translation>          Waves W1 and W2</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="281"/>
        <source>   Phasenzeiger von W1und W2</source>
        <translation>   Phasors of W1 and W2</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="293"/>
        <source>      Wellen W1, W2 und W1+W2</source>
        <translation>      Waves W1, W2 and W1+W2</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="324"/>
        <source>          Farbreiz der Wellen</source>
        <translation>          Colour of the waves</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="341"/>
        <source>       Phasenzeiger von W1</source>
        <translation>       Phasor of W1</translation>
    </message>
    <message>
        <location filename="../tilmora/form1.cpp" line="342"/>
        <source>  Phasenzeiger von W1 und W2</source>
        <translation>  Phasors of W1 and W2</translation>
    </message>
    <message>
        <location filename="../tilmora/form1_phasors.cpp" line="69"/>
        <source>Summenbildung mit Phasenzeigern</source>
        <translation>Adding the phasors</translation>
    </message>
</context>
<context>
    <name>tilmora::help</name>
    <message>
        <location filename="../tilmora/help_page.cpp" line="13"/>
        <source>&lt;p&gt;Zwei kohärente Wellen W1 und W2 und ihre Summe W1+W2 erscheinen als Balken; die Gangdifferenz zwischen ihnen entscheidet, ob sie sich verstärken oder auslöschen.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Start/Stopp&lt;/b&gt; lässt die Wellen laufen und hält sie an; &lt;b&gt;Welle 2 on/off&lt;/b&gt; und &lt;b&gt;Summe on/off&lt;/b&gt; schalten W2 und die Summe zu.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Phasenzeiger&lt;/b&gt; zeigt die Zeiger von W1, W2 und ihrer Summe an der Spalte unter der Maus.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Farbe on/off&lt;/b&gt; zeigt den Farbreiz einer Wellenlänge zwischen 300 und 800 Nanometer und wie die Gangdifferenz die Farbe der Summe aufhellt oder abdunkelt.&lt;/li&gt;&lt;li&gt;Die Schieberegler stellen &lt;b&gt;Wellenlänge&lt;/b&gt;, &lt;b&gt;Zeitdehnung&lt;/b&gt; und die &lt;b&gt;Gangdifferenz&lt;/b&gt; in Wellenlängen bzw. Grad ein.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Two coherent waves W1 and W2 and their sum W1+W2 appear as bars; the path difference between them decides whether they reinforce or cancel each other.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Start/Stop&lt;/b&gt; runs the waves and halts them; &lt;b&gt;Wave 2 on/off&lt;/b&gt; and &lt;b&gt;Sum on/off&lt;/b&gt; switch on W2 and the sum.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Phasors&lt;/b&gt; shows the phasors of W1, W2 and their sum at the column under the mouse.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Colour on/off&lt;/b&gt; shows the colour stimulus of a wavelength between 300 and 800 nanometres and how the path difference brightens or darkens the colour of the sum.&lt;/li&gt;&lt;li&gt;The sliders set &lt;b&gt;Wavelength&lt;/b&gt;, &lt;b&gt;Slow motion&lt;/b&gt; and the &lt;b&gt;Path difference&lt;/b&gt; in wavelengths or degrees.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
</context>
</TS>
