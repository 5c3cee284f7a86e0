<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>AddBarcode</name>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice:Please enter a 16-character barcode!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barcode：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Barcode is empty!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Barcode length does not meet requirement!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BMSMainWin</name>
    <message>
        <source>Battery status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real-time data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event and history records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm and protection configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raw console data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message catalogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>语言测试</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BaudRate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DataBits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>StopBits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ParityBit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ReceiveMess</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mess</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RTData ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RTData OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the real-time data to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the real-time data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the configuration to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of events:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of histories: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the table to a workbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reflash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade the firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wake a battery and upgrade it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade the boot loader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第1页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第2页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Console</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Console</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit progress:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command State:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Time: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you wish to quit NorvaneBat?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial port not open, Please Login!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial port not open, Please open!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch the charge MOS on?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch the charge MOS off?
The batteries take no charge until it is switched on again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch the discharge MOS on?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch the discharge MOS off?
The system stops supplying its load.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run the self-test of every battery?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alarm&amp;protcet item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration could not be saved to
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the unit&apos;s default protection configuration?
Every threshold set on the unit is replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The initial configuration is successful!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Mos open success!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Mos open fail!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Mos close success!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Mos close fail!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The self-test finish!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added barcode fail!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added barcode successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry Console</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the console password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong password! Please check password!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language has changed successfully!
Please restart if there is a problem with the interface!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial port is occupied or does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial port diconnect! Please check!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In real-time rendering, can&apos;t switch pages!
Please click &quot;RTData OFF&quot;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command State: completed successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command State: fail to excute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command State: Unknown command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min. temp of cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. temp of cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min. voltage of cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. voltage of cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t click &quot;Event&quot;, Please click &quot;continue&quot; or click &quot;reflash&quot; or wait!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t click &quot;History&quot;, Please click &quot;continue&quot; or click &quot;reflash&quot; or wait!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t click &quot;Event&quot;, the history record is being viewed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t click &quot;History&quot;, the event record is being viewed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of events is zero or events not obtained!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of histories is zero or histories not obtained!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a number!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a number from 1 to %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t continue, Please click &quot;Event&quot; or &quot;History&quot;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operation is too frequent!
Please try again later!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The event is empty!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of events: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of events: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of histories: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The event Command completed successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history Command completed successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The event Command fail to excute!Please click &quot;Event&quot;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history Command fail to excute!Please click &quot;History&quot;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Unknown Command!Please click &quot;Event&quot;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Unknown Command!Please click &quot;History&quot;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Historical data table exported successfully!
would you like to view it now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Historical data table export failed, please try again!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Transimit Start
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Transimit abort
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bin file transfer is stopped: the receiver refused the same block again and again!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Transimit cancel
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bin file transfer is cancelled by receiver!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Transimit finish
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Transimit Start TimeOut
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start transmission timeout!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
TimeOut during transmission
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TimeOut during transmission!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open file error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t update boot! &quot;Present Num&quot; Unknown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t update! &quot;Present Num&quot; Unknown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrading!Please wait!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The battery did not answer the wake-up!
Please check the battery and the serial line, then try again!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Did not select file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery update error!
Please check battery or wake battery!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version invalid!
Please check firmware!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version without head!
Please check firmware!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The HUB updata successful!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host upgraded successfully!
Please check the slave after %1 minutes!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The battery updata successful!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transimit finish %1%</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatteryGroup</name>
    <message>
        <source>State:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present Num:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Voltage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Current:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total SOC:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total SOH:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CMOS State </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DMOS State </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch the charge MOS on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch the charge MOS off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch the discharge MOS on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch the discharge MOS off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run the self-test of every battery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Self-test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bat 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bat 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bat 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bat 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bat 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bat 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bat 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bat 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bat 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bat 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bat 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bat 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bat 13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bat 14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bat 15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bat 16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prechg Relay </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Relay </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BasicState: bat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VoltState: bat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CurrState: bat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TempState: bat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CellVolState: bat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CellTempState: bat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AlarmTime: bat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present Num: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present Num: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Voltage: -- V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Voltage: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Current: -- A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Current: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total SOC: -- %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total SOC: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total SOH: -- %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total SOH: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bat %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatteryInfo</name>
    <message>
        <source>SOC:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOH:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Voltage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min Voltage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vol Difference:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Vol ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min Vol ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Fault:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart or table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barcode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add barcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specification:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Soft Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comm Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Charge Current:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Address: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Address: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot Version: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot Version: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barcode: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barcode: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specification: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specification: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Soft Version: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Soft Version: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comm Version: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comm Version: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Charge Current: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Charge Current: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release Date: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release Date: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell Number: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell Number: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOC: -- %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOC: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOH: -- %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOH: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity: -- AH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current: -- A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp: -- ℃</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Voltage: -- V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Voltage: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min Voltage: -- V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min Voltage: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vol Difference: -- V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vol Difference: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Vol ID: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Vol ID: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min Vol ID: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min Vol ID: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic Status: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic Status: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Fault: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Fault: --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell Volt-Temp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volt(V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp(℃)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell Id</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CrashReportDialog</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, This app was crashed last time!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please send us the files that  popped up in the &quot;File window&quot;. So we can solve the App-crash problem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataEvent</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransProgress</name>
    <message>
        <source>Transmit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit Progress:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 left</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdataLogin</name>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice:Battery will be dead if uploading worry firmware!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>password：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Password is empty!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaitConfig</name>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait for the host to upgrade !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait for the battery to upgrade !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
