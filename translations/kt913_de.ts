<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>ChannelCsv</name>
    <message>
        <source>no Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channel %1 is already given in line %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds no channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no row can be taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tone %1 is not one this radio has</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTCS code %1 is not three digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTCS code %1 is not one this radio has</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>polarity %1 is none of NN, NR, RN, RR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown tone mode %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown cross mode %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power %1 is neither High, Low nor watts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frequency %1 is no number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frequency %1 is outside the band&apos;s limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>offset %1 is no number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown duplex %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the transmit frequency is below 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mode %1 is neither FM nor NFM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skip %1 is neither S nor empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>busy lock %1 is neither On nor Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scramble %1 is neither On nor Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name &quot;%1&quot; is taken as &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: the header names no known column (Location, Frequency, ...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>location %1 is outside 1..128</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line longer than %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than %1 rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is larger than %1 KB; it is no channel list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a text file (UTF-8)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows that could not be taken: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows taken: %1. Channels changed: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names changed to fit the radio: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be imported:
%2
The channels are unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>DAT Files(*.dat)|*.dat|All Files(*.*)|*.*|</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files(*.csv)|*.csv|All Files(*.*)|*.*|</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>outside the radio&apos;s band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Combo1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel rows</source>
        <extracomment>MNChannelRows</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo(&amp;U)</source>
        <extracomment>MNUndo</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo(&amp;R)</source>
        <extracomment>MNRedo</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Rows(&amp;C)</source>
        <extracomment>MNCopyRows</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Rows(&amp;P)</source>
        <extracomment>MNPasteRows</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Empty Row(&amp;I)</source>
        <extracomment>MNInsertRow</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Row(&amp;D)</source>
        <extracomment>MNDeleteRow</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Row Up</source>
        <extracomment>MNMoveRowUp</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Row Down</source>
        <extracomment>MNMoveRowDown</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group A</source>
        <extracomment>TabStrip1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group B</source>
        <extracomment>TabStrip1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fre</source>
        <extracomment>Grid1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX Fre</source>
        <extracomment>Grid1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX Fre</source>
        <extracomment>Grid1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QT/DQT Dec</source>
        <extracomment>Grid1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QT/DQT Enc</source>
        <extracomment>Grid1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power</source>
        <extracomment>Grid1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel lock</source>
        <extracomment>Grid1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add scan</source>
        <extracomment>Grid1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band</source>
        <extracomment>Grid1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scramble</source>
        <extracomment>Grid1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Name</source>
        <extracomment>Grid1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>Combo5(5)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Combo5(5)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carry</source>
        <extracomment>Combo5(6)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>Combo5(7)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Narrow</source>
        <extracomment>Combo5(8)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wide</source>
        <extracomment>Combo5(8)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow keys move, Enter or F2 edits the cell</source>
        <extracomment>Grid1</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>DTMF Rate：</source>
        <extracomment>Label16</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast</source>
        <extracomment>Combo16</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow</source>
        <extracomment>Combo16</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Digital Delay：</source>
        <extracomment>Label17</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0MS</source>
        <extracomment>Combo17</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>200MS</source>
        <extracomment>Combo17</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>400MS</source>
        <extracomment>Combo17</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>600MS</source>
        <extracomment>Combo17</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>800MS</source>
        <extracomment>Combo17</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1000MS</source>
        <extracomment>Combo17</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1200MS</source>
        <extracomment>Combo17</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1400MS</source>
        <extracomment>Combo17</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1600MS</source>
        <extracomment>Combo17</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1800MS</source>
        <extracomment>Combo17</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ANI Start Code：</source>
        <extracomment>Label2</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ANI End Code：</source>
        <extracomment>Label4</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Send</source>
        <extracomment>Combo1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Send</source>
        <extracomment>Combo1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both</source>
        <extracomment>Combo1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group Call Code：</source>
        <extracomment>Label18</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty</source>
        <extracomment>Combo18</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Own Code：</source>
        <extracomment>Label3</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Autodial Memory</source>
        <extracomment>Label1(0)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Autodial Memory</source>
        <extracomment>Label1(1)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third Autodial Memory</source>
        <extracomment>Label1(2)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourth Autodial Memory</source>
        <extracomment>Label1(3)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fifth Autodial Memory</source>
        <extracomment>Label1(4)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sixth Autodial Memory</source>
        <extracomment>Label1(5)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seventh Autodial Memory</source>
        <extracomment>Label1(6)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eight Autodial Memory</source>
        <extracomment>Label1(7)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-dialing Memory</source>
        <extracomment>Option1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Features</source>
        <extracomment>Option2</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Optional Features</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Display Mode:</source>
        <extracomment>Label1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <extracomment>Combo1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fre And Channel</source>
        <extracomment>Combo1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B Display Mode:</source>
        <extracomment>Label32</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep:</source>
        <extracomment>Label7</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Combo7</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>Combo7</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Lock:</source>
        <extracomment>Label9</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Mode:</source>
        <extracomment>LabelMod</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carry</source>
        <extracomment>ComboMod</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>ComboMod</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KeyLock Mode:</source>
        <extracomment>Label33</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power On Password:</source>
        <extracomment>Label12</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FM Radio Search Mode:</source>
        <extracomment>Label17</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual</source>
        <extracomment>Combo13</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>Combo13</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FM Dual Watch:</source>
        <extracomment>Label13</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eliminate End-Noice:</source>
        <extracomment>Label35</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APO:</source>
        <extracomment>Label40</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 Hour</source>
        <extracomment>Combo35</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power on Mode:</source>
        <extracomment>Label38</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <extracomment>Combo32</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DC</source>
        <extracomment>Combo32</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MSG</source>
        <extracomment>Combo32</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Self-Regard Channel:</source>
        <extracomment>Label11</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B Self-Regard Channel:</source>
        <extracomment>Label56</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TDR Mode:</source>
        <extracomment>Label10</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return Channel:</source>
        <extracomment>Label55</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Channel</source>
        <extracomment>Combo39</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Call Channel</source>
        <extracomment>Combo39</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Channel Number:</source>
        <extracomment>Label6</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B Channel Number:</source>
        <extracomment>Label2</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Step Frequency:</source>
        <extracomment>Label3</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B Step Frequency:</source>
        <extracomment>Label43</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Squelch Level:</source>
        <extracomment>Label5</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B Squelch Level:</source>
        <extracomment>Label41</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Save:</source>
        <extracomment>Label8</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time-out Timer:</source>
        <extracomment>Label19</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Minute</source>
        <extracomment>Combo19</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 Minute</source>
        <extracomment>Combo19</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 Minute</source>
        <extracomment>Combo19</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 Minute</source>
        <extracomment>Combo19</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 Minute</source>
        <extracomment>Combo19</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 Minute</source>
        <extracomment>Combo19</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7 Minute</source>
        <extracomment>Combo19</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ROGER:</source>
        <extracomment>Label18</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Channel:</source>
        <extracomment>Label34</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group B</source>
        <extracomment>Combo33</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group A</source>
        <extracomment>Combo33</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lamp Mode:</source>
        <extracomment>Label36</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory display Mode:</source>
        <extracomment>Label39</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standby Mode:</source>
        <extracomment>Label54</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Show</source>
        <extracomment>Combo38</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Show</source>
        <extracomment>Combo38</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Character:</source>
        <extracomment>Label31</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <extracomment>Label42</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOX Swith:</source>
        <extracomment>Label37</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOX Gain Level:</source>
        <extracomment>Label14</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOX Delay Time(s):</source>
        <extracomment>Label15</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow to Cancel Operating</source>
        <extracomment>Check12</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prohibit VOX in the receiving</source>
        <extracomment>Check13</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency:</source>
        <extracomment>Label20</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset Data:</source>
        <extracomment>Label21</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QT/DQT Dec:</source>
        <extracomment>Label22</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QT/DQT Enc:</source>
        <extracomment>Label23</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power:</source>
        <extracomment>Label24</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>Combo24</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Combo24</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off Set Frequency:</source>
        <extracomment>Label30</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plus</source>
        <extracomment>Combo30</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minus</source>
        <extracomment>Combo30</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band:</source>
        <extracomment>Label27</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Narrow</source>
        <extracomment>Combo27</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wide</source>
        <extracomment>Combo27</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BusyChannel Lock:</source>
        <extracomment>Label25</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Scan:</source>
        <extracomment>Label26</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX Stop:</source>
        <extracomment>Label28</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Companding:</source>
        <extracomment>Label29</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scramble:</source>
        <extracomment>Label16</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FunctionSet</source>
        <extracomment>TabStrip1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VFO Set</source>
        <extracomment>TabStrip1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function Set</source>
        <extracomment>Frame2</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Group VFO</source>
        <extracomment>Frame3</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B Group VFO</source>
        <extracomment>Frame5</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOX</source>
        <extracomment>Frame1</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Debugging Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Sect</source>
        <extracomment>Label1(0)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mid Sect</source>
        <extracomment>Label1(1)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low Sect</source>
        <extracomment>Label1(2)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Channel</source>
        <extracomment>SSTab1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B Channel</source>
        <extracomment>SSTab1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Power Grades</source>
        <extracomment>Frame1(0)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle Power Grades</source>
        <extracomment>Frame1(1)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low Power Grades</source>
        <extracomment>Frame1(2)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Power Grades, High Sect</source>
        <extracomment>Slider1(0)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Power Grades, Mid Sect</source>
        <extracomment>Slider1(1)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Power Grades, Low Sect</source>
        <extracomment>Slider1(2)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle Power Grades, High Sect</source>
        <extracomment>Slider1(3)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle Power Grades, Mid Sect</source>
        <extracomment>Slider1(4)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle Power Grades, Low Sect</source>
        <extracomment>Slider1(5)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low Power Grades, High Sect</source>
        <extracomment>Slider1(6)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low Power Grades, Mid Sect</source>
        <extracomment>Slider1(7)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low Power Grades, Low Sect</source>
        <extracomment>Slider1(8)</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>FM Channel Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FM VFO:</source>
        <extracomment>Label1(3)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present Channel:</source>
        <extracomment>Label1(0)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FM Display Mode:</source>
        <extracomment>Label1(1)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <extracomment>Combo1(1)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <extracomment>Combo1(1)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency(MHz)</source>
        <extracomment>MSFGrid</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Command1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Command2</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow keys move, Enter or F2 edits the cell</source>
        <extracomment>MSFGrid</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmAbout</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KT-913 Radio Programming Software</source>
        <extracomment>lblTitle</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English edition V2.20</source>
        <extracomment>lblVersion</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmKeys</name>
    <message>
        <source>Keyboard Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grids (channel edit, FM channels):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Arrow keys, Page Up, Page Down: move to another cell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Home, End: first or last cell of the row; Ctrl+Home, Ctrl+End: first or last channel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Enter or F2: open the cell&apos;s editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  In a text editor: Enter takes the entry, Escape leaves the cell as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  In a list: arrow keys choose, Enter takes the choice, Escape closes the list, a second Escape leaves the cell as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Tab, Shift+Tab: move between the grid and the window&apos;s other controls.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel edit grids also take:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Ctrl+Z, Ctrl+Y: undo, redo a change of the channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Shift+arrow keys: select several rows; Ctrl+C, Ctrl+V: copy, paste channel rows (tab-separated text, to and from a spreadsheet).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Insert: insert an empty row; Ctrl+Delete: delete the row; Alt+Up, Alt+Down: move the row up or down.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Shift+F10 or the menu key: the channel rows menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sliders (debug information): arrow keys move by 1, Page Up and Page Down by 5, Home and End to either end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabs: Tab to the tabs, then the left and right arrow keys change the page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menus: Alt with the underlined letter of a menu; each item shows its shortcut beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmPrint</name>
    <message>
        <source>Export to PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Print preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>The read succeeded, but its backup could not be kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial devices belong to the dialout group: run sudo usermod -aG dialout $USER, then log in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial trace %1 cannot be written (%2); the transfer goes on without it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (closed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial port %1 could not be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KT-913 Radio Programming Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kt913 project · free software</source>
        <extracomment>StatusBar1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <extracomment>MNFile</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <extracomment>MNNew</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open(&amp;O)</source>
        <extracomment>MNOpen</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <extracomment>MNSave</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import CSV(&amp;I)...</source>
        <extracomment>MNImportCsv</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV(&amp;E)...</source>
        <extracomment>MNExportCsv</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print(&amp;P)</source>
        <extracomment>MNPrint</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <extracomment>MNQuit</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <extracomment>MNEdit</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Edit(&amp;M)</source>
        <extracomment>MNModel</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF(&amp;D)</source>
        <extracomment>MNDTMF</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional Features(&amp;P)</source>
        <extracomment>MNOption</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FM Channel Set</source>
        <extracomment>MNFMset</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debug Information(&amp;B)</source>
        <extracomment>MNDebug</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming(&amp;G)</source>
        <extracomment>MNProgram</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Data from the Transceive(&amp;R)</source>
        <extracomment>MNRead</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Data in the Transceive(&amp;W)</source>
        <extracomment>MNWrite</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify after Writing(&amp;V)</source>
        <extracomment>MNVerify</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication Port(&amp;C)</source>
        <extracomment>MNCommPort</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Port(&amp;O)...</source>
        <extracomment>MNOtherPort</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language Select(&amp;L)</source>
        <extracomment>MNLanguage</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese(&amp;C)</source>
        <extracomment>MNChinese</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English(&amp;E)</source>
        <extracomment>MNEnglish</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <extracomment>MNHelp</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help Theme</source>
        <extracomment>MNF1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Use(&amp;K)</source>
        <extracomment>MNKeys</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software Information</source>
        <extracomment>MNAbout</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range:</source>
        <extracomment>Label1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>TNew</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>TOpen</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>TSave</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Data from the Transceive</source>
        <extracomment>TRead</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Data in the Transceive</source>
        <extracomment>TWrite</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock forced writing</source>
        <extracomment>TAnMa</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press twice within a second</source>
        <extracomment>TAnMa</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock debugging</source>
        <extracomment>TDebug</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication Port</source>
        <extracomment>ComboCom</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MsgBox</name>
    <message>
        <source>Mistake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio could not be read back after writing, so the write is not verified. Check the radio, the line and the serial connection selection!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write verification failed: %1 byte(s) differ from what was written, the first at address %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifying, please wait a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verified: the radio reads back exactly what was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial port is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial port%1Invalid or has already been used by other procedures, please choose other bunches of mouths or close its procedure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading frequently, please wait a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading……</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing frequently, please wait a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing……</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading succeeds frequently!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing succeeds frequently!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frequency band is not accorded with, can&apos;t write into!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frequency band is not accorded with, whether write into by force?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Be careful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication error, check the line and the serial connection selection!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved data will be lost, sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File type is incorrect!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File is incomplete!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm that withdraws from a procedure?<byte value="xd"/>
Lose all in change not kept!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beyond the scope of frequency band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing the frequency band will remove the channel tabulation, confirm?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Be careful!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channels are outside the radio&apos;s band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The group&apos;s last channel, %1, is in use: there is no room to insert. Delete or move it first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channels to paste, but the group has only %2 from the current row on: nothing was pasted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The paste replaces channels in use: %1. Go on?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These rows cannot be pasted; their channels stay as they were:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard holds no channel rows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard&apos;s text cannot be pasted: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortPathDialog</name>
    <message>
        <source>Serial device path(&amp;P):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>KT-913 Interphone </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>programming data are printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The whole frequency frequently</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOX(Voice control launches)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debug information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Channel data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B Channel data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
