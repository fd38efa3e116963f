<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Cli</name>
    <message>
        <source>unknown command &quot;%1&quot;: %2 takes %3
Run with --help for more information.</source>
        <translation>unknown command &quot;%1&quot;: %2 takes %3
Run with --help for more information.</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>warning</translation>
    </message>
    <message>
        <source>note</source>
        <translation>note</translation>
    </message>
    <message>
        <source>-&gt; yes (--yes)</source>
        <translation>-&gt; yes (--yes)</translation>
    </message>
    <message>
        <source>-&gt; no (pass --yes to agree)</source>
        <translation>-&gt; no (pass --yes to agree)</translation>
    </message>
    <message>
        <source>To put it back: </source>
        <translation>To put it back: </translation>
    </message>
    <message>
        <source>Stopping at the next safe point (%1 again ends at once) ...</source>
        <translation>Stopping at the next safe point (%1 again ends at once) ...</translation>
    </message>
    <message>
        <source>the signal</source>
        <translation>the signal</translation>
    </message>
    <message>
        <source>note: %1 has %2 bytes; MAIN takes its first %3 (a shorter file is filled up with 0xFF)</source>
        <translation>note: %1 has %2 bytes; MAIN takes its first %3 (a shorter file is filled up with 0xFF)</translation>
    </message>
    <message>
        <source>Verification failed: read back %1 bytes instead of %2</source>
        <translation>Verification failed: read back %1 bytes instead of %2</translation>
    </message>
    <message>
        <source>Verification OK: MAIN is byte for byte </source>
        <translation>Verification OK: MAIN is byte for byte </translation>
    </message>
    <message>
        <source>Verification failed: MAIN differs from %1 at offset %2 (file %3, flash %4); %5 bytes differ</source>
        <translation>Verification failed: MAIN differs from %1 at offset %2 (file %3, flash %4); %5 bytes differ</translation>
    </message>
    <message>
        <source>--- erase MAIN</source>
        <translation>--- erase MAIN</translation>
    </message>
    <message>
        <source>--- write </source>
        <translation>--- write </translation>
    </message>
    <message>
        <source>--- read MAIN back</source>
        <translation>--- read MAIN back</translation>
    </message>
    <message>
        <source>cannot create a file for the read-back: </source>
        <translation>cannot create a file for the read-back: </translation>
    </message>
    <message>
        <source>The JIG programmer: read, erase and write an embedded controller&apos;s flash.</source>
        <translation>The JIG programmer: read, erase and write an embedded controller&apos;s flash.</translation>
    </message>
    <message>
        <source>Print the program&apos;s and the JIG protocol&apos;s version and exit</source>
        <translation>Print the program&apos;s and the JIG protocol&apos;s version and exit</translation>
    </message>
    <message>
        <source>usb (default), usb:SERIAL (only that device), tty:PATH or sim[:BOARD]</source>
        <translation>usb (default), usb:SERIAL (only that device), tty:PATH or sim[:BOARD]</translation>
    </message>
    <message>
        <source>simulated JIG: a JSON scenario</source>
        <translation>simulated JIG: a JSON scenario</translation>
    </message>
    <message>
        <source>simulated JIG: wire (default) or instant</source>
        <translation>simulated JIG: wire (default) or instant</translation>
    </message>
    <message>
        <source>en, ru or original (the texts as the JIG&apos;s program always wrote them); default: the last choice in the window, else the system&apos;s language</source>
        <translation>en, ru or original (the texts as the JIG&apos;s program always wrote them); default: the last choice in the window, else the system&apos;s language</translation>
    </message>
    <message>
        <source>unknown option %1
Run with --help for more information.</source>
        <translation>unknown option %1
Run with --help for more information.</translation>
    </message>
    <message>
        <source>usb (default), usb:SERIAL (only the device with that serial number, see &quot;list&quot;), tty:PATH, or sim[:BOARD] with BOARD one of %1</source>
        <translation>usb (default), usb:SERIAL (only the device with that serial number, see &quot;list&quot;), tty:PATH, or sim[:BOARD] with BOARD one of %1</translation>
    </message>
    <message>
        <source>simulated JIG: a JSON scenario (board, chips, wiring, faults)</source>
        <translation>simulated JIG: a JSON scenario (board, chips, wiring, faults)</translation>
    </message>
    <message>
        <source>simulated JIG: wire (default, real speeds) or instant</source>
        <translation>simulated JIG: wire (default, real speeds) or instant</translation>
    </message>
    <message>
        <source>Exit status: %1.</source>
        <translation>Exit status: %1.</translation>
    </message>
    <message>
        <source>The JIG programmer&apos;s operations without a window.</source>
        <translation>The JIG programmer&apos;s operations without a window.</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the operation failed, 2 no usable JIG, 64 wrong usage.
Each command has its own --help.</source>
        <translation>Exit status: 0 done, 1 the operation failed, 2 no usable JIG, 64 wrong usage.
Each command has its own --help.</translation>
    </message>
    <message>
        <source>en, ru or original (the texts as the JIG&apos;s program always wrote them, English and Russian mixed); default: $TOLVANE_LANG, else the system&apos;s language</source>
        <translation>en, ru or original (the texts as the JIG&apos;s program always wrote them, English and Russian mixed); default: $TOLVANE_LANG, else the system&apos;s language</translation>
    </message>
    <message>
        <source>do not read the chip into a backup file (in ~/.local/share/tolvane-jig/backups) before erasing or writing it</source>
        <translation>do not read the chip into a backup file (in ~/.local/share/tolvane-jig/backups) before erasing or writing it</translation>
    </message>
    <message>
        <source>erase even when the backup reads blank (all FFh or 00h), which is also what a read that never reached the chip gives</source>
        <translation>erase even when the backup reads blank (all FFh or 00h), which is also what a read that never reached the chip gives</translation>
    </message>
    <message>
        <source>read the chip twice and compare: any difference fails the read (a loose clip or a long wire)</source>
        <translation>read the chip twice and compare: any difference fails the read (a loose clip or a long wire)</translation>
    </message>
    <message>
        <source>Stopped at once: the operation did not end cleanly.</source>
        <translation>Stopped at once: the operation did not end cleanly.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>it cannot be read</translation>
    </message>
    <message>
        <source>--block takes a number of bytes from 1 on, not &quot;%1&quot;</source>
        <translation>--block takes a number of bytes from 1 on, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 is %2 bytes, %3 %4: the bytes from %5 on are only in %6</source>
        <translation>%1 is %2 bytes, %3 %4: the bytes from %5 on are only in %6</translation>
    </message>
    <message>
        <source>%1 and %2 are the same (%3 bytes)</source>
        <translation>%1 and %2 are the same (%3 bytes)</translation>
    </message>
    <message>
        <source>%1 bytes differ in %2 places</source>
        <translation>%1 bytes differ in %2 places</translation>
    </message>
    <message>
        <source>Compare two dumps: the ranges where they differ</source>
        <translation>Compare two dumps: the ranges where they differ</translation>
    </message>
    <message>
        <source>Prints every range where A.bin and B.bin differ: its offset, its length and the bytes of each (A / B, at most 16 of a range shown), and where one file is longer; then the map of A.bin that &quot;show&quot; prints, with X for each block that differs from B.bin. Needs no JIG.</source>
        <translation>Prints every range where A.bin and B.bin differ: its offset, its length and the bytes of each (A / B, at most 16 of a range shown), and where one file is longer; then the map of A.bin that &quot;show&quot; prints, with X for each block that differs from B.bin. Needs no JIG.</translation>
    </message>
    <message>
        <source>the first file</source>
        <translation>the first file</translation>
    </message>
    <message>
        <source>the second file</source>
        <translation>the second file</translation>
    </message>
    <message>
        <source>bytes a block of the map (default 4096, less for a small file)</source>
        <translation>bytes a block of the map (default 4096, less for a small file)</translation>
    </message>
    <message>
        <source>0 the same, 1 they differ, 2 a file cannot be read, 64 wrong usage (as cmp)</source>
        <translation>0 the same, 1 they differ, 2 a file cannot be read, 64 wrong usage (as cmp)</translation>
    </message>
    <message>
        <source>Show what a dump holds, block by block</source>
        <translation>Show what a dump holds, block by block</translation>
    </message>
    <message>
        <source>Prints the file&apos;s size, CRC-32 and SHA-256 and its map: one character a block, # data, . all FFh, 0 all 00h, 64 blocks a line after the offset of the first. Needs no JIG.</source>
        <translation>Prints the file&apos;s size, CRC-32 and SHA-256 and its map: one character a block, # data, . all FFh, 0 all 00h, 64 blocks a line after the offset of the first. Needs no JIG.</translation>
    </message>
    <message>
        <source>the dump</source>
        <translation>the dump</translation>
    </message>
    <message>
        <source>bytes a block (default 4096, less for a small file)</source>
        <translation>bytes a block (default 4096, less for a small file)</translation>
    </message>
    <message>
        <source>0 shown, 2 the file cannot be read, 64 wrong usage</source>
        <translation>0 shown, 2 the file cannot be read, 64 wrong usage</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Print this help message and exit</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Usage</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>SUBCOMMAND</source>
        <translation>SUBCOMMAND</translation>
    </message>
    <message>
        <source>SUBCOMMANDS</source>
        <translation>SUBCOMMANDS</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>REQUIRED</translation>
    </message>
    <message>
        <source>Positionals</source>
        <translation>Positionals</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <translation>Subcommands</translation>
    </message>
    <message>
        <source>Run with --help for more information.</source>
        <translation>Run with --help for more information.</translation>
    </message>
    <message>
        <source>Identify the JIG: version text and board</source>
        <translation>Identify the JIG: version text and board</translation>
    </message>
    <message>
        <source>Finds the JIG, identifies it and prints its version text and board (PCB2 or PCB3).</source>
        <translation>Finds the JIG, identifies it and prints its version text and board (PCB2 or PCB3).</translation>
    </message>
    <message>
        <source>0 identified, 2 no JIG (&quot;FTDI device not found&quot; or &quot;FTDI found, ERROR answer&quot;), 64 wrong usage</source>
        <translation>0 identified, 2 no JIG (&quot;FTDI device not found&quot; or &quot;FTDI found, ERROR answer&quot;), 64 wrong usage</translation>
    </message>
    <message>
        <source>--last takes a number of records from 1 on, not &quot;%1&quot;</source>
        <translation>--last takes a number of records from 1 on, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Journal: %1 (%2 operations)</source>
        <translation>Journal: %1 (%2 operations)</translation>
    </message>
    <message>
        <source>%1 lines of the journal are not records</source>
        <translation>%1 lines of the journal are not records</translation>
    </message>
    <message>
        <source>Print the journal of operations</source>
        <translation>Print the journal of operations</translation>
    </message>
    <message>
        <source>Prints the journal every read, write, erase and check appends to, from the program and from this command line: time, mode, JIG, chip ID, operation, file with its size and SHA-256, backup, result and the step that failed. It lies in the user&apos;s data folder ($XDG_DATA_HOME/tolvane-jig, else ~/.local/share/tolvane-jig). An erase or write whose end was never recorded shows as &quot;no end: the program stopped during this operation&quot;.</source>
        <translation>Prints the journal every read, write, erase and check appends to, from the program and from this command line: time, mode, JIG, chip ID, operation, file with its size and SHA-256, backup, result and the step that failed. It lies in the user&apos;s data folder ($XDG_DATA_HOME/tolvane-jig, else ~/.local/share/tolvane-jig). An erase or write whose end was never recorded shows as &quot;no end: the program stopped during this operation&quot;.</translation>
    </message>
    <message>
        <source>only the last N operations</source>
        <translation>only the last N operations</translation>
    </message>
    <message>
        <source>0 printed, 1 the journal cannot be read, 64 wrong usage</source>
        <translation>0 printed, 1 the journal cannot be read, 64 wrong usage</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>The FTDI device list cannot be read (%1)</source>
        <translation>The FTDI device list cannot be read (%1)</translation>
    </message>
    <message>
        <source>(no description)</source>
        <translation>(no description)</translation>
    </message>
    <message>
        <source>index  serial number     description                              answer</source>
        <translation>index  serial number     description                              answer</translation>
    </message>
    <message>
        <source>index  serial number     description</source>
        <translation>index  serial number     description</translation>
    </message>
    <message>
        <source>List the FTDI devices: index, serial number, description</source>
        <translation>List the FTDI devices: index, serial number, description</translation>
    </message>
    <message>
        <source>Lists every FTDI device the chosen backend sees, in the order the program tries them, with its serial number and description. --identify also asks each one for its JIG&apos;s version. Use --device usb:SERIAL to give every other command one of them.</source>
        <translation>Lists every FTDI device the chosen backend sees, in the order the program tries them, with its serial number and description. --identify also asks each one for its JIG&apos;s version. Use --device usb:SERIAL to give every other command one of them.</translation>
    </message>
    <message>
        <source>ask each device for its JIG&apos;s identification answer</source>
        <translation>ask each device for its JIG&apos;s identification answer</translation>
    </message>
    <message>
        <source>0 listed, 2 no FTDI device, 64 wrong usage</source>
        <translation>0 listed, 2 no FTDI device, 64 wrong usage</translation>
    </message>
    <message>
        <source>--mode is one of:</source>
        <translation>--mode is one of:</translation>
    </message>
    <message>
        <source>The JIG&apos;s firmware is being written: it goes on to its end (a second Ctrl-C ends at once and leaves the JIG without a working firmware).</source>
        <translation>The JIG&apos;s firmware is being written: it goes on to its end (a second Ctrl-C ends at once and leaves the JIG without a working firmware).</translation>
    </message>
    <message>
        <source>The firmware switch goes on to its end (a second Ctrl-C ends at once).</source>
        <translation>The firmware switch goes on to its end (a second Ctrl-C ends at once).</translation>
    </message>
    <message>
        <source>JIG ready for %1</source>
        <translation>JIG ready for %1</translation>
    </message>
    <message>
        <source>Make the JIG run a working mode&apos;s firmware</source>
        <translation>Make the JIG run a working mode&apos;s firmware</translation>
    </message>
    <message>
        <source>Start as the main window does it: identifies the JIG and makes it run the firmware of the working mode NAME (&quot;ENE KB90XX&quot;, &quot;MEC jtag&quot;, &quot;ITE&quot;, &quot;NUVOTON spi&quot;, &quot;NUVOTON jtag&quot;, &quot;EDID lcd&quot; or &quot;Keyboard testing&quot;): a PCB2 is reflashed over its bootloader, an outdated PCB3 is updated from its package. Prints the update window&apos;s lines. When the JIG&apos;s reset button is needed the lines say so: a PCB2 bootloader must greet within 5 s, a PCB3 bootloader within 120 s.</source>
        <translation>Start as the main window does it: identifies the JIG and makes it run the firmware of the working mode NAME (&quot;ENE KB90XX&quot;, &quot;MEC jtag&quot;, &quot;ITE&quot;, &quot;NUVOTON spi&quot;, &quot;NUVOTON jtag&quot;, &quot;EDID lcd&quot; or &quot;Keyboard testing&quot;): a PCB2 is reflashed over its bootloader, an outdated PCB3 is updated from its package. Prints the update window&apos;s lines. When the JIG&apos;s reset button is needed the lines say so: a PCB2 bootloader must greet within 5 s, a PCB3 bootloader within 120 s.</translation>
    </message>
    <message>
        <source>the working mode, as the main window&apos;s list names it</source>
        <translation>the working mode, as the main window&apos;s list names it</translation>
    </message>
    <message>
        <source>0 the JIG runs the mode&apos;s firmware, 1 the switch failed, 2 no JIG, 64 no such mode or wrong usage</source>
        <translation>0 the JIG runs the mode&apos;s firmware, 1 the switch failed, 2 no JIG, 64 no such mode or wrong usage</translation>
    </message>
    <message>
        <source>Keyboard matrix tester</source>
        <translation>Keyboard matrix tester</translation>
    </message>
    <message>
        <source>Nuvoton NPCE288N/388N flash over SPI</source>
        <translation>Nuvoton NPCE288N/388N flash over SPI</translation>
    </message>
    <message>
        <source>Nuvoton NPCE flash over JTAG, prepared by a .vss script</source>
        <translation>Nuvoton NPCE flash over JTAG, prepared by a .vss script</translation>
    </message>
    <message>
        <source>ENE KB9010/9012/9016/9022 flash</source>
        <translation>ENE KB9010/9012/9016/9022 flash</translation>
    </message>
    <message>
        <source>Microchip MEC16xx over JTAG</source>
        <translation>Microchip MEC16xx over JTAG</translation>
    </message>
    <message>
        <source>A panel&apos;s EDID EEPROM</source>
        <translation>A panel&apos;s EDID EEPROM</translation>
    </message>
    <message>
        <source>ITE EC flash over the keyboard connector</source>
        <translation>ITE EC flash over the keyboard connector</translation>
    </message>
    <message>
        <source>print bytes moved, wall time, CPU time and the simulated JIG&apos;s time</source>
        <translation>print bytes moved, wall time, CPU time and the simulated JIG&apos;s time</translation>
    </message>
</context>
<context>
    <name>Common</name>
    <message>
        <source>A late answer from the JIG was dropped (%1: %2 bytes)</source>
        <translation>A late answer from the JIG was dropped (%1: %2 bytes)</translation>
    </message>
    <message>
        <source>Error writing the file %1: %2</source>
        <translation>Error writing the file %1: %2</translation>
    </message>
    <message>
        <source>block %1 of %2 went out unconfirmed</source>
        <translation>block %1 of %2 went out unconfirmed</translation>
    </message>
    <message>
        <source>The chip is unchanged.</source>
        <translation>The chip is unchanged.</translation>
    </message>
    <message>
        <source>The chip may be partly written (%1).</source>
        <translation>The chip may be partly written (%1).</translation>
    </message>
    <message>
        <source>The chip may be partly erased.</source>
        <translation>The chip may be partly erased.</translation>
    </message>
    <message>
        <source>The chip is erased.</source>
        <translation>The chip is erased.</translation>
    </message>
    <message>
        <source>The chip is erased, and %1.</source>
        <translation>The chip is erased, and %1.</translation>
    </message>
    <message>
        <source>The chip is partly written (blocks 1 to %1 of %2).</source>
        <translation>The chip is partly written (blocks 1 to %1 of %2).</translation>
    </message>
    <message>
        <source>The chip is partly written (blocks 1 to %1 of %2; %3).</source>
        <translation>The chip is partly written (blocks 1 to %1 of %2; %3).</translation>
    </message>
    <message>
        <source>The chip is written but not verified.</source>
        <translation>The chip is written but not verified.</translation>
    </message>
    <message>
        <source>The chip is written and verified.</source>
        <translation>The chip is written and verified.</translation>
    </message>
    <message>
        <source> No backup was taken.</source>
        <translation> No backup was taken.</translation>
    </message>
    <message>
        <source> Backup: %1.</source>
        <translation> Backup: %1.</translation>
    </message>
    <message>
        <source>Stopped at the technician&apos;s request.</source>
        <translation>Stopped at the technician&apos;s request.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>it cannot be read</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>larger than the %1 bytes the chip takes</source>
        <translation>larger than the %1 bytes the chip takes</translation>
    </message>
    <message>
        <source>a folder, not a file</source>
        <translation>a folder, not a file</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>no free name for the new file</source>
        <translation>no free name for the new file</translation>
    </message>
    <message>
        <source>The %1 bytes received could not be kept in %2 (%3); %4 is unchanged.</source>
        <translation>The %1 bytes received could not be kept in %2 (%3); %4 is unchanged.</translation>
    </message>
    <message>
        <source>The %1 bytes received are kept in %2; %3 is unchanged.</source>
        <translation>The %1 bytes received are kept in %2; %3 is unchanged.</translation>
    </message>
    <message>
        <source>%1 bytes, larger than the %2 bytes allowed</source>
        <translation>%1 bytes, larger than the %2 bytes allowed</translation>
    </message>
    <message>
        <source>Image: %1 bytes, CRC-32 %2, SHA-256 %3</source>
        <translation>Image: %1 bytes, CRC-32 %2, SHA-256 %3</translation>
    </message>
    <message>
        <source>Warning: every byte is FFh: a blank chip, or nothing was read at all.</source>
        <translation>Warning: every byte is FFh: a blank chip, or nothing was read at all.</translation>
    </message>
    <message>
        <source>Warning: every byte is 00h: a data line held low?</source>
        <translation>Warning: every byte is 00h: a data line held low?</translation>
    </message>
    <message>
        <source>%1, %2 byte: %3 / %4</source>
        <translation>%1, %2 byte: %3 / %4</translation>
    </message>
    <message>
        <source>%1, %2 bytes: %3 / %4</source>
        <translation>%1, %2 bytes: %3 / %4</translation>
    </message>
    <message>
        <source>The journal could not be written (%1: %2)</source>
        <translation>The journal could not be written (%1: %2)</translation>
    </message>
    <message>
        <source>The chip reads blank (all %1). A failed read looks the same.</source>
        <translation>The chip reads blank (all %1). A failed read looks the same.</translation>
    </message>
    <message>
        <source>Erasing anyway (--force).</source>
        <translation>Erasing anyway (--force).</translation>
    </message>
    <message>
        <source>Erasing anyway: the technician agreed.</source>
        <translation>Erasing anyway: the technician agreed.</translation>
    </message>
    <message>
        <source>Nothing was erased or written: the backup reads blank.</source>
        <translation>Nothing was erased or written: the backup reads blank.</translation>
    </message>
    <message>
        <source>Nothing was erased or written: the backup reads blank (--force erases anyway).</source>
        <translation>Nothing was erased or written: the backup reads blank (--force erases anyway).</translation>
    </message>
    <message>
        <source>Backup: reading the chip before anything is erased or written ...</source>
        <translation>Backup: reading the chip before anything is erased or written ...</translation>
    </message>
    <message>
        <source>The backup read failed: nothing was erased or written.</source>
        <translation>The backup read failed: nothing was erased or written.</translation>
    </message>
    <message>
        <source>The backup read gave no bytes: nothing was erased or written.</source>
        <translation>The backup read gave no bytes: nothing was erased or written.</translation>
    </message>
    <message>
        <source>The backup could not be saved in %1 (%2): nothing was erased or written.</source>
        <translation>The backup could not be saved in %1 (%2): nothing was erased or written.</translation>
    </message>
    <message>
        <source>Backup saved: </source>
        <translation>Backup saved: </translation>
    </message>
    <message>
        <source>Reading a second time to compare ...</source>
        <translation>Reading a second time to compare ...</translation>
    </message>
    <message>
        <source>Both reads are the same.</source>
        <translation>Both reads are the same.</translation>
    </message>
    <message>
        <source>The two reads differ in size: %1 and %2 bytes.</source>
        <translation>The two reads differ in size: %1 and %2 bytes.</translation>
    </message>
    <message>
        <source>The two reads differ in %1 bytes (a loose clip or a long wire, not the chip?), first read / second read:</source>
        <translation>The two reads differ in %1 bytes (a loose clip or a long wire, not the chip?), first read / second read:</translation>
    </message>
    <message>
        <source>  at </source>
        <translation>  at </translation>
    </message>
    <message>
        <source>  ... and %1 more places</source>
        <translation>  ... and %1 more places</translation>
    </message>
    <message>
        <source>The chip reads blank. A failed read looks the same. Erase anyway?</source>
        <translation>The chip reads blank. A failed read looks the same. Erase anyway?</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>the file is not open</translation>
    </message>
    <message>
        <source>nothing written</source>
        <translation>nothing written</translation>
    </message>
    <message>
        <source>the folder cannot be created or written</source>
        <translation>the folder cannot be created or written</translation>
    </message>
    <message>
        <source>no free file name</source>
        <translation>no free file name</translation>
    </message>
    <message>
        <source>Map: %1 blocks of %2 bytes: %3 data, %4 all FFh, %5 all 00h</source>
        <translation>Map: %1 blocks of %2 bytes: %3 data, %4 all FFh, %5 all 00h</translation>
    </message>
    <message>
        <source>Legend: # data  . all FFh  0 all 00h</source>
        <translation>Legend: # data  . all FFh  0 all 00h</translation>
    </message>
    <message>
        <source>%1 differ</source>
        <translation>%1 differ</translation>
    </message>
    <message>
        <source>  X differs</source>
        <translation>  X differs</translation>
    </message>
    <message>
        <source>%1 not compared</source>
        <translation>%1 not compared</translation>
    </message>
    <message>
        <source>  ? not compared</source>
        <translation>  ? not compared</translation>
    </message>
    <message>
        <source>%1 cannot be created or written</source>
        <translation>%1 cannot be created or written</translation>
    </message>
    <message>
        <source>the line was cut short</source>
        <translation>the line was cut short</translation>
    </message>
    <message>
        <source>    JIG: %1</source>
        <translation>    JIG: %1</translation>
    </message>
    <message>
        <source>   chip ID: %1</source>
        <translation>   chip ID: %1</translation>
    </message>
    <message>
        <source>    file: %1</source>
        <translation>    file: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>    backup: %1</source>
        <translation>    backup: %1</translation>
    </message>
    <message>
        <source>%1 not found (looked in %2)</source>
        <translation>%1 not found (looked in %2)</translation>
    </message>
    <message>
        <source>started</source>
        <translation>started</translation>
    </message>
    <message>
        <source>done</source>
        <translation>done</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>no JIG</source>
        <translation>no JIG</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelled</translation>
    </message>
    <message>
        <source>read</source>
        <translation>read</translation>
    </message>
    <message>
        <source>write</source>
        <translation>write</translation>
    </message>
    <message>
        <source>erase</source>
        <translation>erase</translation>
    </message>
    <message>
        <source>check</source>
        <translation>check</translation>
    </message>
    <message>
        <source>verify</source>
        <translation>verify</translation>
    </message>
    <message>
        <source>(simulated)</source>
        <translation>(simulated)</translation>
    </message>
    <message>
        <source>no end: the program stopped during this operation</source>
        <translation>no end: the program stopped during this operation</translation>
    </message>
    <message>
        <source>Current time  </source>
        <translation>Current time  </translation>
    </message>
</context>
<context>
    <name>Edid</name>
    <message>
        <source>Read the EEPROM into OUT.bin</source>
        <translation>Read the EEPROM into OUT.bin</translation>
    </message>
    <message>
        <source>Reads the panel&apos;s 256-byte EDID EEPROM, shows its hex dump and what the EDID says, and saves it to OUT.bin (replaced when it exists).</source>
        <translation>Reads the panel&apos;s 256-byte EDID EEPROM, shows its hex dump and what the EDID says, and saves it to OUT.bin (replaced when it exists).</translation>
    </message>
    <message>
        <source>the file the EEPROM is saved to</source>
        <translation>the file the EEPROM is saved to</translation>
    </message>
    <message>
        <source>0 saved, 1 the EEPROM or the file failed, 2 no usable JIG or OUT.bin cannot be created, 64 wrong usage</source>
        <translation>0 saved, 1 the EEPROM or the file failed, 2 no usable JIG or OUT.bin cannot be created, 64 wrong usage</translation>
    </message>
    <message>
        <source>Write IN.bin into the EEPROM</source>
        <translation>Write IN.bin into the EEPROM</translation>
    </message>
    <message>
        <source>Writes IN.bin to the panel&apos;s EDID EEPROM: its first 256 bytes, a shorter file filled up with FF. An image whose EDID checksum is wrong is written only with --yes.</source>
        <translation>Writes IN.bin to the panel&apos;s EDID EEPROM: its first 256 bytes, a shorter file filled up with FF. An image whose EDID checksum is wrong is written only with --yes.</translation>
    </message>
    <message>
        <source>the image to write</source>
        <translation>the image to write</translation>
    </message>
    <message>
        <source>write even when the image&apos;s EDID checksum is wrong</source>
        <translation>write even when the image&apos;s EDID checksum is wrong</translation>
    </message>
    <message>
        <source>0 written, 1 refused or failed (write-protected, no panel, bad file), 2 no usable JIG or IN.bin cannot be read, 64 wrong usage</source>
        <translation>0 written, 1 refused or failed (write-protected, no panel, bad file), 2 no usable JIG or IN.bin cannot be read, 64 wrong usage</translation>
    </message>
    <message>
        <source>Show what an EDID image file says (no JIG)</source>
        <translation>Show what an EDID image file says (no JIG)</translation>
    </message>
    <message>
        <source>Shows the hex dump of an EDID image file and what it says (manufacturer, product, dates, version, preferred resolution, extensions, checksums). Needs no JIG.</source>
        <translation>Shows the hex dump of an EDID image file and what it says (manufacturer, product, dates, version, preferred resolution, extensions, checksums). Needs no JIG.</translation>
    </message>
    <message>
        <source>the image to show</source>
        <translation>the image to show</translation>
    </message>
    <message>
        <source>0 shown, 2 the file cannot be read, 64 wrong usage</source>
        <translation>0 shown, 2 the file cannot be read, 64 wrong usage</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>cannot read %1</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes; the EEPROM takes them followed by FF.</source>
        <translation>%1 holds %2 bytes; the EEPROM takes them followed by FF.</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes; the EEPROM takes only the first 256.</source>
        <translation>%1 holds %2 bytes; the EEPROM takes only the first 256.</translation>
    </message>
    <message>
        <source>  Manufacturer: </source>
        <translation>  Manufacturer: </translation>
    </message>
    <message>
        <source> (not a valid ID)</source>
        <translation> (not a valid ID)</translation>
    </message>
    <message>
        <source> (not in the PNP ID list)</source>
        <translation> (not in the PNP ID list)</translation>
    </message>
    <message>
        <source>  Model year: </source>
        <translation>  Model year: </translation>
    </message>
    <message>
        <source>  Manufactured: </source>
        <translation>  Manufactured: </translation>
    </message>
    <message>
        <source>  Manufactured: %1 (week %2 is not valid)</source>
        <translation>  Manufactured: %1 (week %2 is not valid)</translation>
    </message>
    <message>
        <source>  Manufactured: week %1 of %2</source>
        <translation>  Manufactured: week %1 of %2</translation>
    </message>
    <message>
        <source>  Preferred resolution: not given (the first descriptor holds no timing)</source>
        <translation>  Preferred resolution: not given (the first descriptor holds no timing)</translation>
    </message>
    <message>
        <source>  Preferred resolution: %1%2, pixel clock %3 MHz</source>
        <translation>  Preferred resolution: %1%2, pixel clock %3 MHz</translation>
    </message>
    <message>
        <source>  Checksum of block %1: OK</source>
        <translation>  Checksum of block %1: OK</translation>
    </message>
    <message>
        <source>  Checksum of block %1: wrong (byte 127 is %2, should be %3)</source>
        <translation>  Checksum of block %1: wrong (byte 127 is %2, should be %3)</translation>
    </message>
    <message>
        <source>EDID at a glance:</source>
        <translation>EDID at a glance:</translation>
    </message>
    <message>
        <source>  The image is blank: no EDID.</source>
        <translation>  The image is blank: no EDID.</translation>
    </message>
    <message>
        <source>  Header: valid</source>
        <translation>  Header: valid</translation>
    </message>
    <message>
        <source>  Header: not valid (00 FF FF FF FF FF FF 00 expected)</source>
        <translation>  Header: not valid (00 FF FF FF FF FF FF 00 expected)</translation>
    </message>
    <message>
        <source>  Product code: </source>
        <translation>  Product code: </translation>
    </message>
    <message>
        <source>  Serial number: </source>
        <translation>  Serial number: </translation>
    </message>
    <message>
        <source>  Monitor name: </source>
        <translation>  Monitor name: </translation>
    </message>
    <message>
        <source>  Serial text: </source>
        <translation>  Serial text: </translation>
    </message>
    <message>
        <source>  Text: </source>
        <translation>  Text: </translation>
    </message>
    <message>
        <source>  EDID version: </source>
        <translation>  EDID version: </translation>
    </message>
    <message>
        <source>  Extension blocks: </source>
        <translation>  Extension blocks: </translation>
    </message>
    <message>
        <source> (%1 of them in this image)</source>
        <translation> (%1 of them in this image)</translation>
    </message>
    <message>
        <source>%1: no answer from the programmer within %2 s (%3 of %4 bytes).</source>
        <translation>%1: no answer from the programmer within %2 s (%3 of %4 bytes).</translation>
    </message>
    <message>
        <source>%1: stopped (%2 of %3 bytes).</source>
        <translation>%1: stopped (%2 of %3 bytes).</translation>
    </message>
    <message>
        <source>%1: the programmer does not respond (device error) (%2 of %3 bytes).</source>
        <translation>%1: the programmer does not respond (device error) (%2 of %3 bytes).</translation>
    </message>
    <message>
        <source>block %1: byte 127 is 0x%2, should be 0x%3</source>
        <translation>block %1: byte 127 is 0x%2, should be 0x%3</translation>
    </message>
    <message>
        <source>The EDID checksum of this image is wrong (%1). Write it to the EEPROM anyway?</source>
        <translation>The EDID checksum of this image is wrong (%1). Write it to the EEPROM anyway?</translation>
    </message>
    <message>
        <source>Reading EEPROM: the command did not reach the programmer.</source>
        <translation>Reading EEPROM: the command did not reach the programmer.</translation>
    </message>
    <message>
        <source>Reading EEPROM</source>
        <translation>Reading EEPROM</translation>
    </message>
    <message>
        <source>EEPROM does not respond, check the connection !!!</source>
        <translation>EEPROM does not respond, check the connection !!!</translation>
    </message>
    <message>
        <source>Unknown answer of the programmer after reading: %1.</source>
        <translation>Unknown answer of the programmer after reading: %1.</translation>
    </message>
    <message>
        <source>Укажите имя файла для сохранения.</source>
        <translation>Enter a file name to save to.</translation>
    </message>
    <message>
        <source>BIN файлы EEPROM (*.bin)|*.bin</source>
        <translation>EEPROM BIN files (*.bin)|*.bin</translation>
    </message>
    <message>
        <source>Укажите файл за заливки.</source>
        <translation>Choose the file to write.</translation>
    </message>
    <message>
        <source>BIN файлы EEPROM (*.bin)|*.bin|Другие|*.*</source>
        <translation>EEPROM BIN files (*.bin)|*.bin|Other|*.*</translation>
    </message>
    <message>
        <source>Reading EEPROM ...</source>
        <translation>Reading EEPROM ...</translation>
    </message>
    <message>
        <source>Reading from the EEPROM is completed successfully.</source>
        <translation>Reading from the EEPROM is completed successfully.</translation>
    </message>
    <message>
        <source>Write to file is interrupted.</source>
        <translation>Write to file is interrupted.</translation>
    </message>
    <message>
        <source>Ошибка создания файла.</source>
        <translation>Error creating the file.</translation>
    </message>
    <message>
        <source>Save the file: </source>
        <translation>Save the file: </translation>
    </message>
    <message>
        <source>The file could not be written completely: </source>
        <translation>The file could not be written completely: </translation>
    </message>
    <message>
        <source>Write operation is interrupted.</source>
        <translation>Write operation is interrupted.</translation>
    </message>
    <message>
        <source>Ошибка открытия файла.</source>
        <translation>Error opening the file.</translation>
    </message>
    <message>
        <source>Writing EEPROM ...</source>
        <translation>Writing EEPROM ...</translation>
    </message>
    <message>
        <source>The file holds %1 bytes; the rest of the 256 is filled with FF.</source>
        <translation>The file holds %1 bytes; the rest of the 256 is filled with FF.</translation>
    </message>
    <message>
        <source>The file holds %1 bytes; only the first 256 are written.</source>
        <translation>The file holds %1 bytes; only the first 256 are written.</translation>
    </message>
    <message>
        <source>Write operation is interrupted: the EDID checksum is wrong.</source>
        <translation>Write operation is interrupted: the EDID checksum is wrong.</translation>
    </message>
    <message>
        <source>Writing EEPROM: the command did not reach the programmer.</source>
        <translation>Writing EEPROM: the command did not reach the programmer.</translation>
    </message>
    <message>
        <source>Writing EEPROM, waiting for the ready byte</source>
        <translation>Writing EEPROM, waiting for the ready byte</translation>
    </message>
    <message>
        <source>Writing EEPROM: the data did not reach the programmer.</source>
        <translation>Writing EEPROM: the data did not reach the programmer.</translation>
    </message>
    <message>
        <source>Writing EEPROM, waiting for the status</source>
        <translation>Writing EEPROM, waiting for the status</translation>
    </message>
    <message>
        <source>Writing data to EEPROM is completed successfully.</source>
        <translation>Writing data to EEPROM is completed successfully.</translation>
    </message>
    <message>
        <source>EEPROM does not respond, or write error! WP 7 pin = &apos;0&apos; ?</source>
        <translation>EEPROM does not respond, or write error! WP 7 pin = &apos;0&apos; ?</translation>
    </message>
    <message>
        <source>Unknown answer of the programmer after writing: %1; the EEPROM content is not confirmed.</source>
        <translation>Unknown answer of the programmer after writing: %1; the EEPROM content is not confirmed.</translation>
    </message>
    <message>
        <source>EEPROM LCD read/write 09/01/2017</source>
        <translation>EEPROM LCD read/write 09/01/2017</translation>
    </message>
    <message>
        <source>EDID_READ</source>
        <translation>EDID_READ</translation>
    </message>
    <message>
        <source>EDID_WRITE</source>
        <translation>EDID_WRITE</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source> @ %1 Hz</source>
        <translation> @ %1 Hz</translation>
    </message>
</context>
<context>
    <name>Ene</name>
    <message>
        <source>--mb &quot;%1&quot; matches several motherboards:</source>
        <translation>--mb &quot;%1&quot; matches several motherboards:</translation>
    </message>
    <message>
        <source>no motherboard in &quot;%1&quot; matches &quot;%2&quot;</source>
        <translation>no motherboard in &quot;%1&quot; matches &quot;%2&quot;</translation>
    </message>
    <message>
        <source> (%1; pass the entry itself, e.g. &quot;MB KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8&quot;)</source>
        <translation> (%1; pass the entry itself, e.g. &quot;MB KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8&quot;)</translation>
    </message>
    <message>
        <source>--mb and --cable go together</source>
        <translation>--mb and --cable go together</translation>
    </message>
    <message>
        <source>--cable is one of %1</source>
        <translation>--cable is one of %1</translation>
    </message>
    <message>
        <source>flexible cable: the motherboard, a line of &quot;MB connection ENE.txt&quot; (current folder) equal to or containing TEXT, or an entry of its own (&quot;NAME KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8&quot;)</source>
        <translation>flexible cable: the motherboard, a line of &quot;MB connection ENE.txt&quot; (current folder) equal to or containing TEXT, or an entry of its own (&quot;NAME KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8&quot;)</translation>
    </message>
    <message>
        <source>the cable: 18, 20, 24, 25, 26, 28, 30 or 32 pin (&quot;30 pin&quot;)</source>
        <translation>the cable: 18, 20, 24, 25, 26, 28, 30 or 32 pin (&quot;30 pin&quot;)</translation>
    </message>
    <message>
        <source>pin 1 of the cable is not on pin 1 of the keyboard connector</source>
        <translation>pin 1 of the cable is not on pin 1 of the keyboard connector</translation>
    </message>
    <message>
        <source>Read the whole flash into OUT.bin</source>
        <translation>Read the whole flash into OUT.bin</translation>
    </message>
    <message>
        <source>Reads the 128 KiB flash of an ENE KB9010/9012/9016/9022 into OUT.bin. Without --mb a PCB3 JIG is set back to soldered wires first; with --mb and --cable it routes the flexible cable first (as &quot;ene ffc&quot;).</source>
        <translation>Reads the 128 KiB flash of an ENE KB9010/9012/9016/9022 into OUT.bin. Without --mb a PCB3 JIG is set back to soldered wires first; with --mb and --cable it routes the flexible cable first (as &quot;ene ffc&quot;).</translation>
    </message>
    <message>
        <source>the file the flash is saved to</source>
        <translation>the file the flash is saved to</translation>
    </message>
    <message>
        <source>0 read, 1 failed, 2 no usable JIG or OUT.bin cannot be created, 64 wrong usage</source>
        <translation>0 read, 1 failed, 2 no usable JIG or OUT.bin cannot be created, 64 wrong usage</translation>
    </message>
    <message>
        <source>Write IN.bin into the flash and verify it</source>
        <translation>Write IN.bin into the flash and verify it</translation>
    </message>
    <message>
        <source>Writes IN.bin (at most 128 KiB; a shorter file is filled up with 0xFF) into the flash of an ENE KB90xx and verifies it. An empty or larger file, or one that is not a regular file, is refused before anything is erased. Ctrl-C stops between two blocks and says where the chip stands.</source>
        <translation>Writes IN.bin (at most 128 KiB; a shorter file is filled up with 0xFF) into the flash of an ENE KB90xx and verifies it. An empty or larger file, or one that is not a regular file, is refused before anything is erased. Ctrl-C stops between two blocks and says where the chip stands.</translation>
    </message>
    <message>
        <source>the image to write</source>
        <translation>the image to write</translation>
    </message>
    <message>
        <source>0 written and verified, 1 failed or IN.bin refused (empty, too large), 2 no usable JIG or IN.bin cannot be read, 64 wrong usage</source>
        <translation>0 written and verified, 1 failed or IN.bin refused (empty, too large), 2 no usable JIG or IN.bin cannot be read, 64 wrong usage</translation>
    </message>
    <message>
        <source>Route a flexible cable (PCB3) and print its wiring</source>
        <translation>Route a flexible cable (PCB3) and print its wiring</translation>
    </message>
    <message>
        <source>Prints the wiring help for a motherboard on a flexible cable and, on a PCB3 JIG, routes the cable&apos;s contacts to the EC&apos;s lines through the CPLD. Needs --mb and --cable.</source>
        <translation>Prints the wiring help for a motherboard on a flexible cable and, on a PCB3 JIG, routes the cable&apos;s contacts to the EC&apos;s lines through the CPLD. Needs --mb and --cable.</translation>
    </message>
    <message>
        <source>0 routed, 1 failed (PCB2 JIG, bad entry), 2 no usable JIG, 64 wrong usage</source>
        <translation>0 routed, 1 failed (PCB2 JIG, bad entry), 2 no usable JIG, 64 wrong usage</translation>
    </message>
    <message>
        <source>ene ffc needs --mb and --cable</source>
        <translation>ene ffc needs --mb and --cable</translation>
    </message>
    <message>
        <source>Please connect GND and:  A%1 B%2 C%3 D%4 E%5 (only for JIG 2)</source>
        <translation>Please connect GND and:  A%1 B%2 C%3 D%4 E%5 (only for JIG 2)</translation>
    </message>
    <message>
        <source>Create base of connections KB90XX !</source>
        <translation>Create base of connections KB90XX !</translation>
    </message>
    <message>
        <source>Error data format!</source>
        <translation>Error data format!</translation>
    </message>
    <message>
        <source>Please select big pins FFC!</source>
        <translation>Please select big pins FFC!</translation>
    </message>
    <message>
        <source>WARNING !!! The default mode for SOLDERING WIRES.</source>
        <translation>WARNING !!! The default mode for SOLDERING WIRES.</translation>
    </message>
    <message>
        <source>To work on a flexible cable (FFC) - select the MB and FFC!</source>
        <translation>To work on a flexible cable (FFC) - select the MB and FFC!</translation>
    </message>
    <message>
        <source>answer to RESET_ALTERA</source>
        <translation>answer to RESET_ALTERA</translation>
    </message>
    <message>
        <source>EC connection</source>
        <translation>EC connection</translation>
    </message>
    <message>
        <source>Communication with KB90XX installed.</source>
        <translation>Communication with KB90XX established.</translation>
    </message>
    <message>
        <source>Embedded Debug Version ID = </source>
        <translation>Embedded Debug Version ID = </translation>
    </message>
    <message>
        <source>No connection to the KB90XX!</source>
        <translation>No connection to the KB90XX!</translation>
    </message>
    <message>
        <source>Check the settings !</source>
        <translation>Check the settings !</translation>
    </message>
    <message>
        <source>Motherboard is connected / powered ?</source>
        <translation>Motherboard is connected / powered ?</translation>
    </message>
    <message>
        <source>answer to the success signal</source>
        <translation>answer to the success signal</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>BIN file KB90XX (*.bin)|*.bin</source>
        <translation>BIN file KB90XX (*.bin)|*.bin</translation>
    </message>
    <message>
        <source>Write to file is interrupted.</source>
        <translation>Write to file is interrupted.</translation>
    </message>
    <message>
        <source>Ошибка создания файла.</source>
        <translation>Error creating the file.</translation>
    </message>
    <message>
        <source>Save the file: </source>
        <translation>Save the file: </translation>
    </message>
    <message>
        <source>Reading KB90XX ...</source>
        <translation>Reading KB90XX ...</translation>
    </message>
    <message>
        <source>Read file</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>BIN file KB90XX (*.bin)|*.bin|other|*.*</source>
        <translation>BIN file KB90XX (*.bin)|*.bin|other|*.*</translation>
    </message>
    <message>
        <source>Write operation is interrupted.</source>
        <translation>Write operation is interrupted.</translation>
    </message>
    <message>
        <source>Write in KB90XX file:</source>
        <translation>Write in KB90XX file:</translation>
    </message>
    <message>
        <source>There is a writing KB90XX...</source>
        <translation>Writing KB90XX...</translation>
    </message>
    <message>
        <source>Error open file!</source>
        <translation>Error opening the file!</translation>
    </message>
    <message>
        <source>Please select MB!</source>
        <translation>Please select MB!</translation>
    </message>
    <message>
        <source>Select FFC cable you used!</source>
        <translation>Select FFC cable you used!</translation>
    </message>
    <message>
        <source>User select --&gt; %1 (%2 pin FFC)%3</source>
        <translation>User select --&gt; %1 (%2 pin FFC)%3</translation>
    </message>
    <message>
        <source> 1 to 1 </source>
        <translation> 1 to 1 </translation>
    </message>
    <message>
        <source> mirrored</source>
        <translation> mirrored</translation>
    </message>
    <message>
        <source>Not for this version JIG!</source>
        <translation>Not for this version JIG!</translation>
    </message>
    <message>
        <source>answer to WR_ALTERA_REG %1</source>
        <translation>answer to WR_ALTERA_REG %1</translation>
    </message>
    <message>
        <source>Settings sent successfully!</source>
        <translation>Settings sent successfully!</translation>
    </message>
    <message>
        <source>Check GND. Connect the motherboard power adapter.</source>
        <translation>Check GND. Connect the motherboard power adapter.</translation>
    </message>
    <message>
        <source>We are ready for reading or writing</source>
        <translation>We are ready for reading or writing</translation>
    </message>
    <message>
        <source>Lost Communication with ENE or timeout!</source>
        <translation>Lost Communication with ENE or timeout!</translation>
    </message>
    <message>
        <source>!!! Lost Communication with ENE or timeout !!! </source>
        <translation>!!! Lost Communication with ENE or timeout !!! </translation>
    </message>
    <message>
        <source>block %1 of %2</source>
        <translation>block %1 of %2</translation>
    </message>
    <message>
        <source>status of block %1 of %2</source>
        <translation>status of block %1 of %2</translation>
    </message>
    <message>
        <source>stopped after block %1 of %2</source>
        <translation>stopped after block %1 of %2</translation>
    </message>
    <message>
        <source>Reading completed successfully.</source>
        <translation>Reading completed successfully.</translation>
    </message>
    <message>
        <source>Error writing the file %1: %2</source>
        <translation>Error writing the file %1: %2</translation>
    </message>
    <message>
        <source>ready for block %1 of %2</source>
        <translation>ready for block %1 of %2</translation>
    </message>
    <message>
        <source>acknowledgement of block %1 of %2</source>
        <translation>acknowledgement of block %1 of %2</translation>
    </message>
    <message>
        <source> __ Warning __</source>
        <translation> __ Warning __</translation>
    </message>
    <message>
        <source>Recorded file is less than 128*1024 byte</source>
        <translation>The file to write is smaller than 128*1024 bytes</translation>
    </message>
    <message>
        <source>Writing is completed successfully.</source>
        <translation>Writing is completed successfully.</translation>
    </message>
    <message>
        <source>SUMM of data from a file  -&gt; </source>
        <translation>SUMM of data from a file  -&gt; </translation>
    </message>
    <message>
        <source>CRC16 of data from a file -&gt; </source>
        <translation>CRC16 of data from a file -&gt; </translation>
    </message>
    <message>
        <source>checksum progress %1 of %2</source>
        <translation>checksum progress %1 of %2</translation>
    </message>
    <message>
        <source>checksum answer</source>
        <translation>checksum answer</translation>
    </message>
    <message>
        <source>SUMM FLASH KB90XX -&gt; </source>
        <translation>SUMM FLASH KB90XX -&gt; </translation>
    </message>
    <message>
        <source>CRC16 FLASH KB90XX-&gt; </source>
        <translation>CRC16 FLASH KB90XX-&gt; </translation>
    </message>
    <message>
        <source>Writing and verify is OK !</source>
        <translation>Writing and verify is OK !</translation>
    </message>
    <message>
        <source>!!! Data is written incorrectly !!! </source>
        <translation>!!! Data is written incorrectly !!! </translation>
    </message>
    <message>
        <source>Writing is completed ...</source>
        <translation>Writing is completed ...</translation>
    </message>
    <message>
        <source>Verification ...</source>
        <translation>Verification ...</translation>
    </message>
    <message>
        <source>read-back block %1 of %2</source>
        <translation>read-back block %1 of %2</translation>
    </message>
    <message>
        <source>verification of block %1 of %2</source>
        <translation>verification of block %1 of %2</translation>
    </message>
    <message>
        <source>KB9010/9012/9016/9022  03/03/2017</source>
        <translation>KB9010/9012/9016/9022  03/03/2017</translation>
    </message>
    <message>
        <source>Pin 1 connected  to pin 1 on the MB keyboard connector</source>
        <translation>Pin 1 connected  to pin 1 on the MB keyboard connector</translation>
    </message>
    <message>
        <source>Apply settings if use FFC  (only for JIG 3)</source>
        <translation>Apply settings if use FFC  (only for JIG 3)</translation>
    </message>
    <message>
        <source> Help for FFC cable connection  </source>
        <translation> Help for FFC cable connection  </translation>
    </message>
    <message>
        <source>KB90XX_READ</source>
        <translation>KB90XX_READ</translation>
    </message>
    <message>
        <source>KB90XX_WRITE</source>
        <translation>KB90XX_WRITE</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>Select MB</source>
        <translation>Select MB</translation>
    </message>
    <message>
        <source>Select FFC cable you used</source>
        <translation>Select FFC cable you used</translation>
    </message>
    <message>
        <source>Stop the operation?</source>
        <translation>Stop the operation?</translation>
    </message>
</context>
<context>
    <name>Gui</name>
    <message>
        <source>data</source>
        <translation>data</translation>
    </message>
    <message>
        <source>all FFh</source>
        <translation>all FFh</translation>
    </message>
    <message>
        <source>all 00h</source>
        <translation>all 00h</translation>
    </message>
    <message>
        <source>differs from the file</source>
        <translation>differs from the file</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>not verified</translation>
    </message>
    <message>
        <source>Dump map: %1</source>
        <translation>Dump map: %1</translation>
    </message>
    <message>
        <source>Verify of %1 - %2</source>
        <translation>Verify of %1 - %2</translation>
    </message>
    <message>
        <source>Size     %1 bytes
CRC-32   %2
SHA-256  %3</source>
        <translation>Size     %1 bytes
CRC-32   %2
SHA-256  %3</translation>
    </message>
    <message>
        <source>Block %1 of %2: offset 0x%3, %4 bytes (click a block to see another)</source>
        <translation>Block %1 of %2: offset 0x%3, %4 bytes (click a block to see another)</translation>
    </message>
    <message>
        <source>Where the chip differs (file / chip):</source>
        <translation>Where the chip differs (file / chip):</translation>
    </message>
    <message>
        <source>The file:</source>
        <translation>The file:</translation>
    </message>
    <message>
        <source>The chip:</source>
        <translation>The chip:</translation>
    </message>
    <message>
        <source>Back up the chip before erasing or writing</source>
        <translation>Back up the chip before erasing or writing</translation>
    </message>
    <message>
        <source>Read twice and compare</source>
        <translation>Read twice and compare</translation>
    </message>
</context>
<context>
    <name>Ite</name>
    <message>
        <source>%1 -&gt; no</source>
        <translation>%1 -&gt; no</translation>
    </message>
    <message>
        <source>%1 (%2; give the wiring with --pins instead)</source>
        <translation>%1 (%2; give the wiring with --pins instead)</translation>
    </message>
    <message>
        <source>no motherboard in &quot;%1&quot; matches &quot;%2&quot;</source>
        <translation>no motherboard in &quot;%1&quot; matches &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--mb &quot;%1&quot; matches several motherboards:</source>
        <translation>--mb &quot;%1&quot; matches several motherboards:</translation>
    </message>
    <message>
        <source>give the wiring with one of --mb TEXT or --pins &quot;PD0=.. ... KSI5=..&quot;</source>
        <translation>give the wiring with one of --mb TEXT or --pins &quot;PD0=.. ... KSI5=..&quot;</translation>
    </message>
    <message>
        <source>the motherboard of &quot;MB connection ITE.txt&quot;: the one named TEXT, else the only one whose name holds TEXT in any case (&quot;ite boards&quot; lists them)</source>
        <translation>the motherboard of &quot;MB connection ITE.txt&quot;: the one named TEXT, else the only one whose name holds TEXT in any case (&quot;ite boards&quot; lists them)</translation>
    </message>
    <message>
        <source>the wiring in the database&apos;s own syntax: &quot;PD0=12 PD1=13 ... KSI5=10 KB_pins=26&quot; (KB_pins only for --reversed)</source>
        <translation>the wiring in the database&apos;s own syntax: &quot;PD0=12 PD1=13 ... KSI5=10 KB_pins=26&quot; (KB_pins only for --reversed)</translation>
    </message>
    <message>
        <source>the cable is reversed: contact 1 of the JIG is on the last contact of the keyboard connector (mirrors the wiring with KB_pins)</source>
        <translation>the cable is reversed: contact 1 of the JIG is on the last contact of the keyboard connector (mirrors the wiring with KB_pins)</translation>
    </message>
    <message>
        <source> The wiring (--mb or --pins) is sent to the JIG first, as APPLY does.</source>
        <translation> The wiring (--mb or --pins) is sent to the JIG first, as APPLY does.</translation>
    </message>
    <message>
        <source>Check the connection and show the EC&apos;s ID</source>
        <translation>Check the connection and show the EC&apos;s ID</translation>
    </message>
    <message>
        <source>Asks the JIG whether the ITE EC answers and reads its identifier and revision. Power the board within 5 seconds of the start.</source>
        <translation>Asks the JIG whether the ITE EC answers and reads its identifier and revision. Power the board within 5 seconds of the start.</translation>
    </message>
    <message>
        <source>0 the EC answered, 1 it did not (or the JIG refused the wiring), 2 no usable JIG or no database, 64 wrong usage</source>
        <translation>0 the EC answered, 1 it did not (or the JIG refused the wiring), 2 no usable JIG or no database, 64 wrong usage</translation>
    </message>
    <message>
        <source>Send the wiring to the JIG</source>
        <translation>Send the wiring to the JIG</translation>
    </message>
    <message>
        <source>Sends the contact of each of the fifteen EC signals to the JIG (APPLY); the JIG keeps it for the following operations.</source>
        <translation>Sends the contact of each of the fifteen EC signals to the JIG (APPLY); the JIG keeps it for the following operations.</translation>
    </message>
    <message>
        <source>0 sent, 1 the JIG refused it, 2 no usable JIG or no database, 64 wrong usage</source>
        <translation>0 sent, 1 the JIG refused it, 2 no usable JIG or no database, 64 wrong usage</translation>
    </message>
    <message>
        <source>List the motherboards of the wiring database</source>
        <translation>List the motherboards of the wiring database</translation>
    </message>
    <message>
        <source>Prints the name of each motherboard of &quot;MB connection ITE.txt&quot;, one a line: what --mb takes.</source>
        <translation>Prints the name of each motherboard of &quot;MB connection ITE.txt&quot;, one a line: what --mb takes.</translation>
    </message>
    <message>
        <source>0 listed, 2 no database</source>
        <translation>0 listed, 2 no database</translation>
    </message>
    <message>
        <source>Read the whole flash into OUT.bin</source>
        <translation>Read the whole flash into OUT.bin</translation>
    </message>
    <message>
        <source>Reads the 128 KiB flash behind the ITE EC into OUT.bin.</source>
        <translation>Reads the 128 KiB flash behind the ITE EC into OUT.bin.</translation>
    </message>
    <message>
        <source>the file the flash is saved to</source>
        <translation>the file the flash is saved to</translation>
    </message>
    <message>
        <source>0 read, 1 failed, 2 no usable JIG, no database or OUT.bin cannot be created, 64 wrong usage</source>
        <translation>0 read, 1 failed, 2 no usable JIG, no database or OUT.bin cannot be created, 64 wrong usage</translation>
    </message>
    <message>
        <source>Erase the flash, write IN.bin and verify it</source>
        <translation>Erase the flash, write IN.bin and verify it</translation>
    </message>
    <message>
        <source>Erases the flash behind the ITE EC and writes IN.bin (its first 128 KiB; a shorter file is filled up with 0xFF), then reads the flash back and compares (--no-verify skips that).</source>
        <translation>Erases the flash behind the ITE EC and writes IN.bin (its first 128 KiB; a shorter file is filled up with 0xFF), then reads the flash back and compares (--no-verify skips that).</translation>
    </message>
    <message>
        <source>the image to write</source>
        <translation>the image to write</translation>
    </message>
    <message>
        <source>do not read the flash back after writing</source>
        <translation>do not read the flash back after writing</translation>
    </message>
    <message>
        <source>0 written (and verified), 1 failed or the flash differs (the first differing offset is shown), 2 no usable JIG, no database or IN.bin cannot be read, 64 wrong usage</source>
        <translation>0 written (and verified), 1 failed or the flash differs (the first differing offset is shown), 2 no usable JIG, no database or IN.bin cannot be read, 64 wrong usage</translation>
    </message>
    <message>
        <source>Проверка невозможна: нет временного файла.</source>
        <translation>Verify: no temporary file to read the flash into.</translation>
    </message>
    <message>
        <source>Verify: no temporary file to read the flash into.</source>
        <translation>Verify: no temporary file to read the flash into.</translation>
    </message>
    <message>
        <source>Проверка: читаем флеш обратно ...</source>
        <translation>Verify: reading the flash back ...</translation>
    </message>
    <message>
        <source>Verify: reading the flash back ...</source>
        <translation>Verify: reading the flash back ...</translation>
    </message>
    <message>
        <source>Проверка: флеш отличается от файла, первое отличие по адресу %1%2 (флеш / файл)</source>
        <translation>Verify: the flash differs from the file at offset %1%2 (flash / file)</translation>
    </message>
    <message>
        <source>Verify: the flash differs from the file at offset %1%2 (flash / file)</source>
        <translation>Verify: the flash differs from the file at offset %1%2 (flash / file)</translation>
    </message>
    <message>
        <source>Проверка: флеш совпадает с файлом.</source>
        <translation>Verify: the flash matches the file.</translation>
    </message>
    <message>
        <source>Verify: the flash matches the file.</source>
        <translation>Verify: the flash matches the file.</translation>
    </message>
    <message>
        <source>File [MB connection ITE.txt] not found. Please read manual!</source>
        <translation>File [MB connection ITE.txt] not found. Please read the manual!</translation>
    </message>
    <message>
        <source>Please select MOTHERBOARD</source>
        <translation>Please select the MOTHERBOARD</translation>
    </message>
    <message>
        <source>Save data to a file</source>
        <translation>Save data to a file</translation>
    </message>
    <message>
        <source>BIN file (*.bin)|*.bin</source>
        <translation>BIN file (*.bin)|*.bin</translation>
    </message>
    <message>
        <source>Read data from a file</source>
        <translation>Read data from a file</translation>
    </message>
    <message>
        <source>BIN file  (*.bin)|*.bin|Другие|*.*</source>
        <translation>BIN file (*.bin)|*.bin|Other|*.*</translation>
    </message>
    <message>
        <source>Stop the operation?</source>
        <translation>Stop the operation?</translation>
    </message>
    <message>
        <source>Не найдена информация по номеру ножки для %1 !</source>
        <translation>No information about the contact number of %1!</translation>
    </message>
    <message>
        <source>Information about the contact number %1 is not found!</source>
        <translation>No information about the contact number of %1!</translation>
    </message>
    <message>
        <source>Неверный номер ножки для %1 !</source>
        <translation>Invalid contact number for %1!</translation>
    </message>
    <message>
        <source>Invalid contact number %1</source>
        <translation>Invalid contact number for %1!</translation>
    </message>
    <message>
        <source>Не найдена информация по количеству контактов разьема клавиатуры на MB!</source>
        <translation>No information on the number of keyboard connector contacts on the MB!</translation>
    </message>
    <message>
        <source>Not found the information on the number of contacts on the keyboard connector MB!</source>
        <translation>No information on the number of keyboard connector contacts on the MB!</translation>
    </message>
    <message>
        <source>Все сигналы на NC: ни один контакт не подключён к EC. Выберите плату или задайте контакты, затем отправьте настройки.</source>
        <translation>Every signal is on NC: no contact reaches the EC. Choose the motherboard or set the contacts, then send the settings.</translation>
    </message>
    <message>
        <source>Every signal is on NC: no contact reaches the EC. Choose the motherboard or set the contacts, then send the settings.</source>
        <translation>Every signal is on NC: no contact reaches the EC. Choose the motherboard or set the contacts, then send the settings.</translation>
    </message>
    <message>
        <source>Неверное количество контактов разьема клавиатуры (23 &lt; допустимо &lt; 33)!</source>
        <translation>Wrong number of keyboard connector contacts (23 &lt; allowed &lt; 33)!</translation>
    </message>
    <message>
        <source>Wrong number of keyboard connector contacts (23 &lt; acceptable &lt;33)!</source>
        <translation>Wrong number of keyboard connector contacts (23 &lt; allowed &lt; 33)!</translation>
    </message>
    <message>
        <source>Проверка связи ...</source>
        <translation>Checking the connection ...</translation>
    </message>
    <message>
        <source>Check connection ...</source>
        <translation>Checking the connection ...</translation>
    </message>
    <message>
        <source>Программатор найден и готов к работе.</source>
        <translation>The JIG is found and ready.</translation>
    </message>
    <message>
        <source>The programmer is found and ready to go.</source>
        <translation>The JIG is found and ready.</translation>
    </message>
    <message>
        <source>Теперь, как можно быстрее, подключите адаптер (5 сек) ! </source>
        <translation>Now connect the power adapter, as fast as you can (5 seconds)!</translation>
    </message>
    <message>
        <source>Now, as soon as possible, connect the adapter (5 seconds) !</source>
        <translation>Now connect the power adapter, as fast as you can (5 seconds)!</translation>
    </message>
    <message>
        <source>ITE мульт нам не отвечает, проверяйте соединение и настройки выводов. MB запитана? </source>
        <translation>The ITE EC does not respond: check the connection and the pin settings. Is the MB powered? </translation>
    </message>
    <message>
        <source>ITE we do not respond, check the connection and settings. MB powered? </source>
        <translation>The ITE EC does not respond: check the connection and the pin settings. Is the MB powered? </translation>
    </message>
    <message>
        <source>Отправляем настройки под MB.</source>
        <translation>Sending the settings for the MB.</translation>
    </message>
    <message>
        <source>Send the settings for MB.</source>
        <translation>Sending the settings for the MB.</translation>
    </message>
    <message>
        <source>Ошибка при входе в режим настроек.</source>
        <translation>Error entering the setup mode.</translation>
    </message>
    <message>
        <source>Error when entering the setup mode.</source>
        <translation>Error entering the setup mode.</translation>
    </message>
    <message>
        <source>Ошибка протокола при настройке выводов.</source>
        <translation>Protocol error while setting the pins.</translation>
    </message>
    <message>
        <source>Protocol error when setting pins.</source>
        <translation>Protocol error while setting the pins.</translation>
    </message>
    <message>
        <source>Настройки все отправлены.</source>
        <translation>All settings sent.</translation>
    </message>
    <message>
        <source>All settings sent.</source>
        <translation>All settings sent.</translation>
    </message>
    <message>
        <source>Received ITE ID  -&gt; %1 rev -&gt; %2</source>
        <translation>Received ITE ID  -&gt; %1 rev -&gt; %2</translation>
    </message>
    <message>
        <source>Чтение отмененено пользователем. Все сворачиваем. (RD_DLG)</source>
        <translation>Reading cancelled by the user. Stopping everything. (RD_DLG)</translation>
    </message>
    <message>
        <source>Reading canceled by the user. All displace. (RD_DLG)</source>
        <translation>Reading cancelled by the user. Stopping everything. (RD_DLG)</translation>
    </message>
    <message>
        <source>Ошибка при создании файла. (RD_CRT_DLG)</source>
        <translation>Error creating the file. (RD_CRT_DLG)</translation>
    </message>
    <message>
        <source>Error creating file. (RD_CRT_DLG)</source>
        <translation>Error creating the file. (RD_CRT_DLG)</translation>
    </message>
    <message>
        <source>Текущее время  </source>
        <translation>Current time  </translation>
    </message>
    <message>
        <source>Current time  </source>
        <translation>Current time  </translation>
    </message>
    <message>
        <source>Сохраняем в файл: </source>
        <translation>Saving to file: </translation>
    </message>
    <message>
        <source>Write to file: </source>
        <translation>Saving to file: </translation>
    </message>
    <message>
        <source>Начинаем чтение ITE ...</source>
        <translation>Reading the ITE starts ...</translation>
    </message>
    <message>
        <source>Reading start...</source>
        <translation>Reading the ITE starts ...</translation>
    </message>
    <message>
        <source>Преподготовка ITE ...</source>
        <translation>Preparing the ITE (INIT) ...</translation>
    </message>
    <message>
        <source>INIT ...</source>
        <translation>Preparing the ITE (INIT) ...</translation>
    </message>
    <message>
        <source>Закончили преподготовку ...</source>
        <translation>INIT complete.</translation>
    </message>
    <message>
        <source>INIT complete.</source>
        <translation>INIT complete.</translation>
    </message>
    <message>
        <source>Читаю, пожалуйста ждите ...</source>
        <translation>Reading, please wait ...</translation>
    </message>
    <message>
        <source>READ, please wait ...</source>
        <translation>Reading, please wait ...</translation>
    </message>
    <message>
        <source>Ошибка при чтении блока -&gt;</source>
        <translation>ERROR reading block -&gt;</translation>
    </message>
    <message>
        <source>ERROR reading block -&gt;</source>
        <translation>ERROR reading block -&gt;</translation>
    </message>
    <message>
        <source>Мы все прочитали </source>
        <translation>Reading complete. </translation>
    </message>
    <message>
        <source>Reading complete. </source>
        <translation>Reading complete. </translation>
    </message>
    <message>
        <source>Ошибка записи в файл %1: %2</source>
        <translation>Error writing the file %1: %2</translation>
    </message>
    <message>
        <source>Error writing the file %1: %2</source>
        <translation>Error writing the file %1: %2</translation>
    </message>
    <message>
        <source>Запись отмененена пользователем. Все сворачиваем. (WR_DLG)</source>
        <translation>Writing cancelled by the user. Stopping everything. (WR_DLG)</translation>
    </message>
    <message>
        <source>WRITE canceled by the user. all displace. (WR_DLG)</source>
        <translation>Writing cancelled by the user. Stopping everything. (WR_DLG)</translation>
    </message>
    <message>
        <source>Ошибка при открытии файла. (WR_OPN_DLG)</source>
        <translation>Error opening the file. (WR_OPN_DLG)</translation>
    </message>
    <message>
        <source>Error opening the file. (WR_OPN_DLG)</source>
        <translation>Error opening the file. (WR_OPN_DLG)</translation>
    </message>
    <message>
        <source>Пишем из файла: </source>
        <translation>Writing from file: </translation>
    </message>
    <message>
        <source>Data file: </source>
        <translation>Writing from file: </translation>
    </message>
    <message>
        <source>Начинаем запись ITE ...</source>
        <translation>Writing the ITE starts ...</translation>
    </message>
    <message>
        <source>Writing starts ...</source>
        <translation>Writing the ITE starts ...</translation>
    </message>
    <message>
        <source>Команда стирания чипа отправлена (0x60/0xC7)...</source>
        <translation>Chip erase command sent (0x60/0xC7)...</translation>
    </message>
    <message>
        <source>ERASE complete.</source>
        <translation>Chip erase command sent (0x60/0xC7)...</translation>
    </message>
    <message>
        <source>Считали 131072 байта в буфер ...</source>
        <translation>Loaded 131072 bytes into the buffer ...</translation>
    </message>
    <message>
        <source>File loaded to buffer.</source>
        <translation>Loaded 131072 bytes into the buffer ...</translation>
    </message>
    <message>
        <source>Количество байт равных 0xFF в файле -&gt; </source>
        <translation>Bytes equal to 0xFF in the file -&gt; </translation>
    </message>
    <message>
        <source>The number of bytes equal to the value of FFh -&gt; </source>
        <translation>Bytes equal to 0xFF in the file -&gt; </translation>
    </message>
    <message>
        <source>Начинаем писать байты ...</source>
        <translation>Writing, please wait ...</translation>
    </message>
    <message>
        <source>WRITE, please wait ...</source>
        <translation>Writing, please wait ...</translation>
    </message>
    <message>
        <source>Ошибка протокола при отправке адреса во флеш.</source>
        <translation>Protocol error while sending the address to the flash.</translation>
    </message>
    <message>
        <source>Protocol error while sending addresses in a flash.</source>
        <translation>Protocol error while sending the address to the flash.</translation>
    </message>
    <message>
        <source>Ошибка записи во флеш или потеряна связь с ITE</source>
        <translation>Error writing to the flash, or the connection to the ITE is lost</translation>
    </message>
    <message>
        <source>Error writing to flash or lost contact with ITE</source>
        <translation>Error writing to the flash, or the connection to the ITE is lost</translation>
    </message>
    <message>
        <source>Мы все записали. </source>
        <translation>Writing complete.</translation>
    </message>
    <message>
        <source>WRITE complete.</source>
        <translation>Writing complete.</translation>
    </message>
    <message>
        <source>Нет ответа от программатора (%1)</source>
        <translation>Timeout: no answer from the JIG (%1)</translation>
    </message>
    <message>
        <source>Timeout: no answer from the JIG (%1)</source>
        <translation>Timeout: no answer from the JIG (%1)</translation>
    </message>
    <message>
        <source>Отменено во время ожидания программатора (%1)</source>
        <translation>Cancelled while waiting for the JIG (%1)</translation>
    </message>
    <message>
        <source>Cancelled while waiting for the JIG (%1)</source>
        <translation>Cancelled while waiting for the JIG (%1)</translation>
    </message>
    <message>
        <source>Связь с программатором потеряна (%1)</source>
        <translation>The JIG was lost (%1)</translation>
    </message>
    <message>
        <source>The JIG was lost (%1)</source>
        <translation>The JIG was lost (%1)</translation>
    </message>
    <message>
        <source>Программатор прислал лишние байты (%1)</source>
        <translation>The JIG sent more bytes than asked for (%1)</translation>
    </message>
    <message>
        <source>The JIG sent more bytes than asked for (%1)</source>
        <translation>The JIG sent more bytes than asked for (%1)</translation>
    </message>
    <message>
        <source>команда проверки связи</source>
        <translation>test command</translation>
    </message>
    <message>
        <source>test command</source>
        <translation>test command</translation>
    </message>
    <message>
        <source>вход в режим настроек</source>
        <translation>enter setup</translation>
    </message>
    <message>
        <source>enter setup</source>
        <translation>enter setup</translation>
    </message>
    <message>
        <source>конец настроек QQQ</source>
        <translation>end of setup QQQ</translation>
    </message>
    <message>
        <source>end of setup QQQ</source>
        <translation>end of setup QQQ</translation>
    </message>
    <message>
        <source>адрес записи</source>
        <translation>write address</translation>
    </message>
    <message>
        <source>write address</source>
        <translation>write address</translation>
    </message>
    <message>
        <source>адресный цикл 0x%1</source>
        <translation>address cycle 0x%1</translation>
    </message>
    <message>
        <source>address cycle 0x%1</source>
        <translation>address cycle 0x%1</translation>
    </message>
    <message>
        <source>чтение регистра 0x%1</source>
        <translation>data read of register 0x%1</translation>
    </message>
    <message>
        <source>data read of register 0x%1</source>
        <translation>data read of register 0x%1</translation>
    </message>
    <message>
        <source>назначение вывода %1</source>
        <translation>pin assignment %1</translation>
    </message>
    <message>
        <source>pin assignment %1</source>
        <translation>pin assignment %1</translation>
    </message>
    <message>
        <source>запись регистра %1</source>
        <translation>register write %1</translation>
    </message>
    <message>
        <source>register write %1</source>
        <translation>register write %1</translation>
    </message>
    <message>
        <source>блок %1 из %2</source>
        <translation>block %1 of %2</translation>
    </message>
    <message>
        <source>block %1 of %2</source>
        <translation>block %1 of %2</translation>
    </message>
    <message>
        <source>Порядок подключения:</source>
        <translation>How to connect:</translation>
    </message>
    <message>
        <source>1. Обесточьте материнскую плату: отключите адаптер питания и батарею.</source>
        <translation>1. Power the motherboard off: unplug its power adapter and its battery.</translation>
    </message>
    <message>
        <source>2. Подключите шлейф от 1-го контакта программатора к 1-му контакту разъема клавиатуры.</source>
        <translation>2. Connect the flat cable from contact 1 of the JIG to contact 1 of the keyboard connector.</translation>
    </message>
    <message>
        <source>3. Соедините землю программатора с землей материнской платы.</source>
        <translation>3. Connect the ground of the JIG to the ground of the motherboard.</translation>
    </message>
    <message>
        <source>4. Выберите материнскую плату (или задайте выводы вручную) и нажмите APPLY.</source>
        <translation>4. Choose the motherboard (or set the contacts by hand) and press APPLY.</translation>
    </message>
    <message>
        <source>5. Нажмите Check connection и сразу подключите адаптер питания (есть 5 секунд),</source>
        <translation>5. Press Check connection and plug in the power adapter at once (within 5 seconds),</translation>
    </message>
    <message>
        <source>   или подключите питание и нажмите Check connection через 1-3 секунды.</source>
        <translation>   or power the board and press Check connection 1-3 seconds later.</translation>
    </message>
    <message>
        <source>6. Затем READ или WRITE.</source>
        <translation>6. Then READ or WRITE.</translation>
    </message>
    <message>
        <source>Чтение всех 128 КБ занимает около 20 секунд, запись - до 5 минут.</source>
        <translation>Reading all 128 KB takes about 20 seconds, writing up to 5 minutes.</translation>
    </message>
    <message>
        <source>How to connect:</source>
        <translation>How to connect:</translation>
    </message>
    <message>
        <source>1. Power the motherboard off: unplug its power adapter and its battery.</source>
        <translation>1. Power the motherboard off: unplug its power adapter and its battery.</translation>
    </message>
    <message>
        <source>2. Connect the flat cable from contact 1 of the JIG to contact 1 of the keyboard connector.</source>
        <translation>2. Connect the flat cable from contact 1 of the JIG to contact 1 of the keyboard connector.</translation>
    </message>
    <message>
        <source>3. Connect the ground of the JIG to the ground of the motherboard.</source>
        <translation>3. Connect the ground of the JIG to the ground of the motherboard.</translation>
    </message>
    <message>
        <source>4. Choose the motherboard (or set the contacts by hand) and press APPLY.</source>
        <translation>4. Choose the motherboard (or set the contacts by hand) and press APPLY.</translation>
    </message>
    <message>
        <source>5. Press Check connection and plug in the power adapter at once (within 5 seconds),</source>
        <translation>5. Press Check connection and plug in the power adapter at once (within 5 seconds),</translation>
    </message>
    <message>
        <source>   or power the board and press Check connection 1-3 seconds later.</source>
        <translation>   or power the board and press Check connection 1-3 seconds later.</translation>
    </message>
    <message>
        <source>6. Then READ or WRITE.</source>
        <translation>6. Then READ or WRITE.</translation>
    </message>
    <message>
        <source>Pin ITE mcu -&gt; pin keyboard connector</source>
        <translation>ITE EC pin -&gt; keyboard connector contact</translation>
    </message>
    <message>
        <source>First contact the programmer is connected to the first contact MB (forward or reverse cable, etc.)</source>
        <translation>Contact 1 of the JIG is connected to contact 1 of the MB (straight or reversed cable, etc.)</translation>
    </message>
    <message>
        <source>Russian / English text</source>
        <translation>Russian / English text</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>APPLY</translation>
    </message>
    <message>
        <source>Check connection</source>
        <translation>Check connection</translation>
    </message>
    <message>
        <source>READ</source>
        <translation>READ</translation>
    </message>
    <message>
        <source>WRITE</source>
        <translation>WRITE</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>PD0 (pin 36 KSO0)</source>
        <translation>PD0 (pin 36 KSO0)</translation>
    </message>
    <message>
        <source>PD1 (pin 37 KSO1)</source>
        <translation>PD1 (pin 37 KSO1)</translation>
    </message>
    <message>
        <source>PD2 (pin 38 KSO2)</source>
        <translation>PD2 (pin 38 KSO2)</translation>
    </message>
    <message>
        <source>PD3 (pin 39 KSO3)</source>
        <translation>PD3 (pin 39 KSO3)</translation>
    </message>
    <message>
        <source>PD4 (pin 40 KSO4)</source>
        <translation>PD4 (pin 40 KSO4)</translation>
    </message>
    <message>
        <source>PD5 (pin 41 KSO5)</source>
        <translation>PD5 (pin 41 KSO5)</translation>
    </message>
    <message>
        <source>PD6 (pin 42 KSO6)</source>
        <translation>PD6 (pin 42 KSO6)</translation>
    </message>
    <message>
        <source>PD7 (pin 43 KSO7)</source>
        <translation>PD7 (pin 43 KSO7)</translation>
    </message>
    <message>
        <source>BUSY (pin 45 KSO9)</source>
        <translation>BUSY (pin 45 KSO9)</translation>
    </message>
    <message>
        <source>KSI4 (pin 62)</source>
        <translation>KSI4 (pin 62)</translation>
    </message>
    <message>
        <source>KSI5 (pin 63)</source>
        <translation>KSI5 (pin 63)</translation>
    </message>
</context>
<context>
    <name>Jtag</name>
    <message>
        <source>Connect the power supply to the motherboard, then press Enter (--yes skips this question): </source>
        <translation>Connect the power supply to the motherboard, then press Enter (--yes skips this question): </translation>
    </message>
    <message>
        <source>no answer: stopped before the connection check</source>
        <translation>no answer: stopped before the connection check</translation>
    </message>
    <message>
        <source>Verify: reading the flash back ...</source>
        <translation>Verify: reading the flash back ...</translation>
    </message>
    <message>
        <source>Verify: cannot make a temporary file for the read-back</source>
        <translation>Verify: cannot make a temporary file for the read-back</translation>
    </message>
    <message>
        <source>Verify: cannot read the files to compare</source>
        <translation>Verify: cannot read the files to compare</translation>
    </message>
    <message>
        <source>Verify OK: the flash holds </source>
        <translation>Verify OK: the flash holds </translation>
    </message>
    <message>
        <source>Verify FAILED: the flash differs from the file at offset %1 (file %2, flash %3)</source>
        <translation>Verify FAILED: the flash differs from the file at offset %1 (file %2, flash %3)</translation>
    </message>
    <message>
        <source>the preparation script (as chosen with &quot;###&quot;); default NUVOTON.vss beside the program</source>
        <translation>the preparation script (as chosen with &quot;###&quot;); default NUVOTON.vss beside the program</translation>
    </message>
    <message>
        <source>the cable is in pin 1 to pin 30 (the check box unchecked: TYPE A)</source>
        <translation>the cable is in pin 1 to pin 30 (the check box unchecked: TYPE A)</translation>
    </message>
    <message>
        <source>do not wait for Enter after the settings (the board is powered)</source>
        <translation>do not wait for Enter after the settings (the board is powered)</translation>
    </message>
    <message>
        <source>print wall time, the simulated JIG&apos;s time and CPU time of each phase</source>
        <translation>print wall time, the simulated JIG&apos;s time and CPU time of each phase</translation>
    </message>
    <message>
        <source>Send the settings, check the JTAG identifier, play the script</source>
        <translation>Send the settings, check the JTAG identifier, play the script</translation>
    </message>
    <message>
        <source>Routes the 30-contact cable (PCB3) or names the wires (PCB2), waits for the board&apos;s power, reads the controller&apos;s JTAG identifier (0FE2201F) and plays the script that prepares it.</source>
        <translation>Routes the 30-contact cable (PCB3) or names the wires (PCB2), waits for the board&apos;s power, reads the controller&apos;s JTAG identifier (0FE2201F) and plays the script that prepares it.</translation>
    </message>
    <message>
        <source>0 identified and prepared, 1 failed, 2 no usable JIG or the script cannot be read, 64 wrong usage</source>
        <translation>0 identified and prepared, 1 failed, 2 no usable JIG or the script cannot be read, 64 wrong usage</translation>
    </message>
    <message>
        <source>Read the whole flash into OUT.bin</source>
        <translation>Read the whole flash into OUT.bin</translation>
    </message>
    <message>
        <source>Runs &quot;jtag check&quot;, then reads the 128 KiB flash into OUT.bin.</source>
        <translation>Runs &quot;jtag check&quot;, then reads the 128 KiB flash into OUT.bin.</translation>
    </message>
    <message>
        <source>the file the flash is saved to</source>
        <translation>the file the flash is saved to</translation>
    </message>
    <message>
        <source>0 read, 1 failed, 2 no usable JIG or OUT.bin cannot be created, 64 wrong usage</source>
        <translation>0 read, 1 failed, 2 no usable JIG or OUT.bin cannot be created, 64 wrong usage</translation>
    </message>
    <message>
        <source>Erase the flash, write IN.bin and read it back</source>
        <translation>Erase the flash, write IN.bin and read it back</translation>
    </message>
    <message>
        <source>Runs &quot;jtag check&quot;, erases the flash and writes IN.bin (its first 128 KiB; a shorter file is filled up with 0xFF), then runs the check again and reads the flash back; a difference names its first offset.</source>
        <translation>Runs &quot;jtag check&quot;, erases the flash and writes IN.bin (its first 128 KiB; a shorter file is filled up with 0xFF), then runs the check again and reads the flash back; a difference names its first offset.</translation>
    </message>
    <message>
        <source>the image to write</source>
        <translation>the image to write</translation>
    </message>
    <message>
        <source>do not read the flash back</source>
        <translation>do not read the flash back</translation>
    </message>
    <message>
        <source>0 written (and verified), 1 failed or differs, 2 no usable JIG, IN.bin or the script cannot be read, 64 wrong usage</source>
        <translation>0 written (and verified), 1 failed or differs, 2 no usable JIG, IN.bin or the script cannot be read, 64 wrong usage</translation>
    </message>
    <message>
        <source>answer to </source>
        <translation>answer to </translation>
    </message>
    <message>
        <source> ERASE or WRITE protocol error! 
 Lost communication with a chip EC 
 Please disconnect the power supply from the motherboard!</source>
        <translation> ERASE or WRITE protocol error! 
 Lost communication with a chip EC 
 Please disconnect the power supply from the motherboard!</translation>
    </message>
    <message>
        <source> READ error! 
 Lost communication with a chip EC 
 The file was not changed. 
 Please disconnect the power supply from the motherboard!</source>
        <translation> READ error! 
 Lost communication with a chip EC 
 The file was not changed. 
 Please disconnect the power supply from the motherboard!</translation>
    </message>
    <message>
        <source> The script was not played whole! 
 The controller is not prepared: see the log. 
 Please disconnect the power supply from the motherboard!</source>
        <translation> The script was not played whole! 
 The controller is not prepared: see the log. 
 Please disconnect the power supply from the motherboard!</translation>
    </message>
    <message>
        <source>Please disconnect the power supply from the motherboard!</source>
        <translation>Please disconnect the power supply from the motherboard!</translation>
    </message>
    <message>
        <source> Now 
 Please connect the power supply to the motherboard, 
 then click *Check connect to Nuvoton* !</source>
        <translation> Now 
 Please connect the power supply to the motherboard, 
 then click *Check connection to Nuvoton* !</translation>
    </message>
    <message>
        <source>Possible reasons 
 1 No power is connected to the motherboard 
 2 No power on a chip EC 
 3 Defective chip EC 
 4 Invalid defined first contact</source>
        <translation>Possible reasons 
 1 No power is connected to the motherboard 
 2 No power on a chip EC 
 3 Defective chip EC 
 4 Invalid defined first contact</translation>
    </message>
    <message>
        <source>Selected 30 pin FFC (TYPE B)</source>
        <translation>Selected 30 pin FFC (TYPE B)</translation>
    </message>
    <message>
        <source>Selected 30 pin FFC (TYPE A))</source>
        <translation>Selected 30 pin FFC (TYPE A)</translation>
    </message>
    <message>
        <source>Settings for NUVOTON send.</source>
        <translation>Settings for NUVOTON sent.</translation>
    </message>
    <message>
        <source>Current time  </source>
        <translation>Current time  </translation>
    </message>
    <message>
        <source>Version FW -&gt; </source>
        <translation>Version FW -&gt; </translation>
    </message>
    <message>
        <source>Communication with programmer installed.</source>
        <translation>Communication with the programmer established.</translation>
    </message>
    <message>
        <source>User selected </source>
        <translation>User selected </translation>
    </message>
    <message>
        <source>Please connect GND and: 
</source>
        <translation>Please connect GND and: 
</translation>
    </message>
    <message>
        <source> *** Default file -&gt; NUVOTON.vss</source>
        <translation> *** Default file -&gt; NUVOTON.vss</translation>
    </message>
    <message>
        <source>the JTAG identifier</source>
        <translation>the JTAG identifier</translation>
    </message>
    <message>
        <source>Read NUVOTON ID </source>
        <translation>Read NUVOTON ID </translation>
    </message>
    <message>
        <source>Wrong ID. Break.</source>
        <translation>Wrong ID. Break.</translation>
    </message>
    <message>
        <source>Break! Open file (.vss) error or not found!</source>
        <translation>Break! The .vss file cannot be opened or is not found!</translation>
    </message>
    <message>
        <source>BIN file NPCE (*.bin)|*.bin</source>
        <translation>BIN file NPCE (*.bin)|*.bin</translation>
    </message>
    <message>
        <source>Write to file is interrupted. All stop.</source>
        <translation>Write to file is interrupted. All stop.</translation>
    </message>
    <message>
        <source>Error create file!</source>
        <translation>Error creating the file!</translation>
    </message>
    <message>
        <source>Data from NUVOTON save to file: </source>
        <translation>Data from NUVOTON saved to file: </translation>
    </message>
    <message>
        <source>BIN file NPCE (*.bin)|*.bin|other|*.*</source>
        <translation>BIN file NPCE (*.bin)|*.bin|other|*.*</translation>
    </message>
    <message>
        <source>Read to file is interrupted. All stop.</source>
        <translation>Reading the file is interrupted. All stop.</translation>
    </message>
    <message>
        <source>Error open file!</source>
        <translation>Error opening the file!</translation>
    </message>
    <message>
        <source>Write from file: </source>
        <translation>Write from file: </translation>
    </message>
    <message>
        <source>The file holds %1 bytes: the rest of the flash is written with FFh.</source>
        <translation>The file holds %1 bytes: the rest of the flash is written with FFh.</translation>
    </message>
    <message>
        <source>Open vss file(*.vss)|*.vss</source>
        <translation>Open vss file (*.vss)|*.vss</translation>
    </message>
    <message>
        <source>User select VSS file: </source>
        <translation>User selected VSS file: </translation>
    </message>
    <message>
        <source>Sending start: </source>
        <translation>Sending start: </translation>
    </message>
    <message>
        <source>Error reading the script %1: %2</source>
        <translation>Error reading the script %1: %2</translation>
    </message>
    <message>
        <source>%1: larger than the %2 bytes allowed</source>
        <translation>%1: larger than the %2 bytes allowed</translation>
    </message>
    <message>
        <source>script line %1, %2</source>
        <translation>script line %1, %2</translation>
    </message>
    <message>
        <source>Command lines sent: %1 (of %2 lines)</source>
        <translation>Command lines sent: %1 (of %2 lines)</translation>
    </message>
    <message>
        <source>Sending end:   </source>
        <translation>Sending end:   </translation>
    </message>
    <message>
        <source>I`m ready to READ or WRITE.</source>
        <translation>I&apos;m ready to READ or WRITE.</translation>
    </message>
    <message>
        <source>block %1 of %2</source>
        <translation>block %1 of %2</translation>
    </message>
    <message>
        <source>: more than 256 bytes</source>
        <translation>: more than 256 bytes</translation>
    </message>
    <message>
        <source>Reading ...       </source>
        <translation>Reading ...       </translation>
    </message>
    <message>
        <source>Reading complete. </source>
        <translation>Reading complete. </translation>
    </message>
    <message>
        <source>The controller&apos;s helper serves one pass: checking it and playing the script again.</source>
        <translation>The controller&apos;s helper serves one pass: checking it and playing the script again.</translation>
    </message>
    <message>
        <source>the JTAG identifier, again</source>
        <translation>the JTAG identifier, again</translation>
    </message>
    <message>
        <source>Read NUVOTON ID %1: not the controller checked before. Break.</source>
        <translation>Read NUVOTON ID %1: not the controller checked before. Break.</translation>
    </message>
    <message>
        <source>script line %1 again, %2</source>
        <translation>script line %1 again, %2</translation>
    </message>
    <message>
        <source>the write set-up, before the erase</source>
        <translation>the write set-up, before the erase</translation>
    </message>
    <message>
        <source>FAULT first !=22  </source>
        <translation>FAULT first !=22  </translation>
    </message>
    <message>
        <source>The controller&apos;s helper does not answer: the script did not prepare it. Nothing was erased.</source>
        <translation>The controller&apos;s helper does not answer: the script did not prepare it. Nothing was erased.</translation>
    </message>
    <message>
        <source>status of the erase of sector %1 of %2</source>
        <translation>status of the erase of sector %1 of %2</translation>
    </message>
    <message>
        <source>Timeout: the flash stays busy (%1, status=%2h)</source>
        <translation>Timeout: the flash stays busy (%1, status=%2h)</translation>
    </message>
    <message>
        <source>Erase blocks... </source>
        <translation>Erase blocks... </translation>
    </message>
    <message>
        <source>erase of sector %1 of %2</source>
        <translation>erase of sector %1 of %2</translation>
    </message>
    <message>
        <source>Erase complete! %1    status=%2h</source>
        <translation>Erase complete! %1    status=%2h</translation>
    </message>
    <message>
        <source>Write bytes ... </source>
        <translation>Write bytes ... </translation>
    </message>
    <message>
        <source>the write set-up</source>
        <translation>the write set-up</translation>
    </message>
    <message>
        <source>data of block %1 of %2</source>
        <translation>data of block %1 of %2</translation>
    </message>
    <message>
        <source>FAULT A_gr  !=22h  </source>
        <translation>FAULT A_gr  !=22h  </translation>
    </message>
    <message>
        <source>commit of block %1 of %2</source>
        <translation>commit of block %1 of %2</translation>
    </message>
    <message>
        <source>FAULT B_gr  !=22h  </source>
        <translation>FAULT B_gr  !=22h  </translation>
    </message>
    <message>
        <source>Write complete! </source>
        <translation>Write complete! </translation>
    </message>
    <message>
        <source>How to work:</source>
        <translation>How to work:</translation>
    </message>
    <message>
        <source>1. Connect the 30 pin FFC between the MB keyboard connector and the JIG.</source>
        <translation>1. Connect the 30 pin FFC between the MB keyboard connector and the JIG.</translation>
    </message>
    <message>
        <source>2. Check the GND connection between the motherboard and the JIG.</source>
        <translation>2. Check the GND connection between the motherboard and the JIG.</translation>
    </message>
    <message>
        <source>3. Pin 1 to pin 1, or pin 1 to pin 30? Set or clear the check box.</source>
        <translation>3. Pin 1 to pin 1, or pin 1 to pin 30? Set or clear the check box.</translation>
    </message>
    <message>
        <source>4. Click &quot;Send settings&quot;.</source>
        <translation>4. Click &quot;Send settings&quot;.</translation>
    </message>
    <message>
        <source>5. Connect the power supply to the motherboard.</source>
        <translation>5. Connect the power supply to the motherboard.</translation>
    </message>
    <message>
        <source>6. Click &quot;Check connect to Nuvoton&quot;.</source>
        <translation>6. Click &quot;Check connection to Nuvoton&quot;.</translation>
    </message>
    <message>
        <source>7. Click &quot;READ&quot; or &quot;WRITE&quot;.</source>
        <translation>7. Click &quot;READ&quot; or &quot;WRITE&quot;.</translation>
    </message>
    <message>
        <source>8. Disconnect the power supply from the motherboard.</source>
        <translation>8. Disconnect the power supply from the motherboard.</translation>
    </message>
    <message>
        <source>NUVOTON JTAG 11_03_2017</source>
        <translation>NUVOTON JTAG 11_03_2017</translation>
    </message>
    <message>
        <source>Pin 1 connected  to pin 1 on the MB keyboard connector (30 pin FFC)</source>
        <translation>Pin 1 connected to pin 1 on the MB keyboard connector (30 pin FFC)</translation>
    </message>
    <message>
        <source>Send settings</source>
        <translation>Send settings</translation>
    </message>
    <message>
        <source>Check connect to Nuvoton</source>
        <translation>Check connection to Nuvoton</translation>
    </message>
    <message>
        <source>Choose the .vss script</source>
        <translation>Choose the .vss script</translation>
    </message>
    <message>
        <source>READ</source>
        <translation>READ</translation>
    </message>
    <message>
        <source>WRITE</source>
        <translation>WRITE</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>Stop the operation?</source>
        <translation>Stop the operation?</translation>
    </message>
    <message>
        <source>Script line %1 %2: %3. Nothing of the script was sent.</source>
        <translation>Script line %1 %2: %3. Nothing of the script was sent.</translation>
    </message>
    <message>
        <source>text after its CR (are the line ends a CR alone, or is it not an 8-bit text?)</source>
        <translation>text after its CR (are the line ends a CR alone, or is it not an 8-bit text?)</translation>
    </message>
    <message>
        <source>a command line longer than %1 bytes</source>
        <translation>a command line longer than %1 bytes</translation>
    </message>
    <message>
        <source>not a command the script format knows (i XX, d XX, d XX = YYYYYYYY [ZZ], D YYYYYYYY)</source>
        <translation>not a command the script format knows (i XX, d XX, d XX = YYYYYYYY [ZZ], D YYYYYYYY)</translation>
    </message>
    <message>
        <source>the last line has no line end (LF), so it would never run</source>
        <translation>the last line has no line end (LF), so it would never run</translation>
    </message>
    <message>
        <source>The script holds no command line (i, d or D): nothing to send. Is it an 8-bit text file?</source>
        <translation>The script holds no command line (i, d or D): nothing to send. Is it an 8-bit text file?</translation>
    </message>
</context>
<context>
    <name>Keyboard</name>
    <message>
        <source>--seconds needs a whole number of seconds</source>
        <translation>--seconds needs a whole number of seconds</translation>
    </message>
    <message>
        <source>Scanning; press keys (Ctrl+C ends).</source>
        <translation>Scanning; press keys (Ctrl+C ends).</translation>
    </message>
    <message>
        <source>Scanning; press keys.</source>
        <translation>Scanning; press keys.</translation>
    </message>
    <message>
        <source>Pairs seen: %1</source>
        <translation>Pairs seen: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>scan ended: %1</source>
        <translation>scan ended: %1</translation>
    </message>
    <message>
        <source>Print the keyboard&apos;s pin pairs as they close</source>
        <translation>Print the keyboard&apos;s pin pairs as they close</translation>
    </message>
    <message>
        <source>Scans the keyboard on the JIG&apos;s connector and prints each pin pair when it closes (&quot;3-5  (Shape69)&quot;), for N seconds or until Ctrl+C; then the pairs seen.</source>
        <translation>Scans the keyboard on the JIG&apos;s connector and prints each pin pair when it closes (&quot;3-5  (Shape69)&quot;), for N seconds or until Ctrl+C; then the pairs seen.</translation>
    </message>
    <message>
        <source>stop after N seconds (default: at Ctrl+C)</source>
        <translation>stop after N seconds (default: at Ctrl+C)</translation>
    </message>
    <message>
        <source>0 stopped, 1 the JIG stopped answering (&quot;Device not found&quot;), 2 no usable JIG, 64 wrong usage</source>
        <translation>0 stopped, 1 the JIG stopped answering (&quot;Device not found&quot;), 2 no usable JIG, 64 wrong usage</translation>
    </message>
    <message>
        <source>no %1 within 1000 ms</source>
        <translation>no %1 within 1000 ms</translation>
    </message>
    <message>
        <source>device error while waiting for %1</source>
        <translation>device error while waiting for %1</translation>
    </message>
    <message>
        <source>the scan request could not be sent</source>
        <translation>the scan request could not be sent</translation>
    </message>
    <message>
        <source>scan answer</source>
        <translation>scan answer</translation>
    </message>
    <message>
        <source>the buzzer signal could not be sent</source>
        <translation>the buzzer signal could not be sent</translation>
    </message>
    <message>
        <source>buzzer acknowledgement</source>
        <translation>buzzer acknowledgement</translation>
    </message>
    <message>
        <source>the answer did not end within 1024 bytes</source>
        <translation>the answer did not end within 1024 bytes</translation>
    </message>
    <message>
        <source>Ready to work</source>
        <translation>Ready to work</translation>
    </message>
    <message>
        <source>Device not found</source>
        <translation>Device not found</translation>
    </message>
    <message>
        <source>Please update FW</source>
        <translation>Please update FW</translation>
    </message>
    <message>
        <source>Press start scan</source>
        <translation>Press start scan</translation>
    </message>
    <message>
        <source>Keyboard_testing 02_03_2017</source>
        <translation>Keyboard_testing 02_03_2017</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>START SCAN</source>
        <translation>START SCAN</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Buzzer off</source>
        <translation>Buzzer off</translation>
    </message>
    <message>
        <source>Hide current</source>
        <translation>Hide current</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>The JIG is in use by another program</source>
        <translation>The JIG is in use by another program</translation>
    </message>
    <message>
        <source>I can not get a list of VCOM ports</source>
        <translation>I cannot get a list of VCOM ports</translation>
    </message>
    <message>
        <source>VCOM port is not found on the machine!</source>
        <translation>VCOM port is not found on the machine!</translation>
    </message>
    <message>
        <source>Number of VCOM ports found on the machine: </source>
        <translation>Number of VCOM ports found on the machine: </translation>
    </message>
    <message>
        <source>It is necessary to update the firmware programmer!</source>
        <translation>The programmer&apos;s firmware must be updated!</translation>
    </message>
    <message>
        <source>Communication with programmer installed.</source>
        <translation>Connection with the programmer established.</translation>
    </message>
    <message>
        <source>The JIG&apos;s firmware does not serve this mode: tolvane-jig-cli start --mode &quot;%1&quot; (or choosing the mode in the main window) loads the one it needs.</source>
        <translation>The JIG&apos;s firmware does not serve this mode: tolvane-jig-cli start --mode &quot;%1&quot; (or choosing the mode in the main window) loads the one it needs.</translation>
    </message>
    <message>
        <source>Timeout: no answer from the JIG (%1)</source>
        <translation>Timeout: no answer from the JIG (%1)</translation>
    </message>
    <message>
        <source>Cancelled while waiting for the JIG (%1)</source>
        <translation>Cancelled while waiting for the JIG (%1)</translation>
    </message>
    <message>
        <source>The JIG was lost (%1)</source>
        <translation>The JIG was lost (%1)</translation>
    </message>
    <message>
        <source>Unexpected answer from the JIG (%1)</source>
        <translation>Unexpected answer from the JIG (%1)</translation>
    </message>
    <message>
        <source>%1: %2 bytes</source>
        <translation>%1: %2 bytes</translation>
    </message>
    <message>
        <source>--&gt;  The programmer is not found or does not respond</source>
        <translation>--&gt;  The programmer is not found or does not respond</translation>
    </message>
    <message>
        <source>Programmer FW version -&gt; </source>
        <translation>Programmer FW version -&gt; </translation>
    </message>
    <message>
        <source>Версия FW программатора -&gt; </source>
        <translation>Programmer FW version -&gt; </translation>
    </message>
    <message>
        <source>Version FW -&gt; </source>
        <translation>Firmware version -&gt; </translation>
    </message>
    <message>
        <source>The programmer is not found or does not respond</source>
        <translation>The programmer is not found or does not respond</translation>
    </message>
    <message>
        <source>Journal of operations -&gt; %1</source>
        <translation>Journal of operations -&gt; %1</translation>
    </message>
    <message>
        <source>Backups -&gt; %1</source>
        <translation>Backups -&gt; %1</translation>
    </message>
    <message>
        <source>(no serial number)</source>
        <translation>(no serial number)</translation>
    </message>
    <message>
        <source>The JIG %1 is not plugged in: working on the JIG %2 instead.</source>
        <translation>The JIG %1 is not plugged in: working on the JIG %2 instead.</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>ready</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>timed out</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelled</translation>
    </message>
    <message>
        <source>device error</source>
        <translation>device error</translation>
    </message>
    <message>
        <source>FTDI device not found</source>
        <translation>FTDI device not found</translation>
    </message>
    <message>
        <source>FTDI found, ERROR answer</source>
        <translation>FTDI found, ERROR answer</translation>
    </message>
    <message>
        <source>ReadThread_UPD start ... </source>
        <translation>ReadThread_UPD start ... </translation>
    </message>
    <message>
        <source>User select -&gt; %1</source>
        <translation>User select -&gt; %1</translation>
    </message>
    <message>
        <source>Go to application. End.</source>
        <translation>Go to application. End.</translation>
    </message>
    <message>
        <source>JIG ver3 start update FW</source>
        <translation>JIG ver3 start update FW</translation>
    </message>
    <message>
        <source>ERROR answer bootloader </source>
        <translation>ERROR answer bootloader </translation>
    </message>
    <message>
        <source>Bootloader answer OK</source>
        <translation>Bootloader answer OK</translation>
    </message>
    <message>
        <source>UPDATE FW successfully.</source>
        <translation>FW UPDATED successfully.</translation>
    </message>
    <message>
        <source>%1 OK</source>
        <translation>%1 OK</translation>
    </message>
    <message>
        <source>Error %1</source>
        <translation>Error %1</translation>
    </message>
    <message>
        <source>Error numDevs = 0</source>
        <translation>Error numDevs = 0</translation>
    </message>
    <message>
        <source>Open  numDevs -&gt; %1</source>
        <translation>Open  numDevs -&gt; %1</translation>
    </message>
    <message>
        <source>ERROR FT_Open</source>
        <translation>ERROR FT_Open</translation>
    </message>
    <message>
        <source>FT_GetDriverVersion OK    (%1)</source>
        <translation>FT_GetDriverVersion OK    (%1)</translation>
    </message>
    <message>
        <source>Read answer version bytes -&gt; %1</source>
        <translation>Version answer bytes read -&gt; %1</translation>
    </message>
    <message>
        <source>NOT ANSWER </source>
        <translation>NO ANSWER </translation>
    </message>
    <message>
        <source>usb: needs a serial number, for example usb:FT1ABCDE (tolvane-jig-cli list shows them)</source>
        <translation>usb: needs a serial number, for example usb:FT1ABCDE (tolvane-jig-cli list shows them)</translation>
    </message>
    <message>
        <source>tty: needs a path, for example tty:/dev/ttyUSB0</source>
        <translation>tty: needs a path, for example tty:/dev/ttyUSB0</translation>
    </message>
    <message>
        <source>--timing is instant or wire, not %1</source>
        <translation>--timing is instant or wire, not %1</translation>
    </message>
    <message>
        <source>unknown device &quot;%1&quot; (usb, usb:SERIAL, tty:PATH or sim[:BOARD])</source>
        <translation>unknown device &quot;%1&quot; (usb, usb:SERIAL, tty:PATH or sim[:BOARD])</translation>
    </message>
</context>
<context>
    <name>Mec</name>
    <message>
        <source>REG FFFD00h -&gt; </source>
        <translation>REG FFFD00h -&gt; </translation>
    </message>
    <message>
        <source>Потеряна связь с MEC (I100)</source>
        <translation>Lost communication with MEC (I100)</translation>
    </message>
    <message>
        <source>REG FF3908h -&gt; </source>
        <translation>REG FF3908h -&gt; </translation>
    </message>
    <message>
        <source>Потеряна связь с MEC (I101)</source>
        <translation>Lost communication with MEC (I101)</translation>
    </message>
    <message>
        <source>REG FF3910h -&gt; </source>
        <translation>REG FF3910h -&gt; </translation>
    </message>
    <message>
        <source>Потеряна связь с MEC (I102)</source>
        <translation>Lost communication with MEC (I102)</translation>
    </message>
    <message>
        <source>REG FF390Ch -&gt; </source>
        <translation>REG FF390Ch -&gt; </translation>
    </message>
    <message>
        <source>Потеряна связь с MEC (I103)</source>
        <translation>Lost communication with MEC (I103)</translation>
    </message>
    <message>
        <source>ID from MEC -&gt; </source>
        <translation>ID from MEC -&gt; </translation>
    </message>
    <message>
        <source>Close VCOM port</source>
        <translation>VCOM port closed</translation>
    </message>
    <message>
        <source>Укажите имя файла для сохранения.</source>
        <translation>Choose the file to save to.</translation>
    </message>
    <message>
        <source>BIN файл MEC16 (*.bin)|*.bin</source>
        <translation>MEC16 BIN file (*.bin)|*.bin</translation>
    </message>
    <message>
        <source>User break</source>
        <translation>Cancelled by the user</translation>
    </message>
    <message>
        <source>Error create file</source>
        <translation>Error creating the file</translation>
    </message>
    <message>
        <source>Write to file: </source>
        <translation>Writing to file: </translation>
    </message>
    <message>
        <source>Read FLASH and INFO to file</source>
        <translation>Reading FLASH and INFO to the file</translation>
    </message>
    <message>
        <source>Read only FLASH to file</source>
        <translation>Reading only FLASH to the file</translation>
    </message>
    <message>
        <source>Read FLASH MEC ...</source>
        <translation>Reading MEC FLASH ...</translation>
    </message>
    <message>
        <source>Invalid ID. Read break!</source>
        <translation>Invalid ID. Read cancelled!</translation>
    </message>
    <message>
        <source>Write to reg FF3910h 1</source>
        <translation>Wrote 1 to register FF3910h</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC (R100)</source>
        <translation>Lost communication with MEC (R100)</translation>
    </message>
    <message>
        <source>Write to reg FF3908h 105h</source>
        <translation>Wrote 105h to register FF3908h</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC (R101)</source>
        <translation>Lost communication with MEC (R101)</translation>
    </message>
    <message>
        <source>INFO is not erased: the erase was not confirmed.</source>
        <translation>INFO is not erased: the erase was not confirmed.</translation>
    </message>
    <message>
        <source>Укажите файл за заливки.</source>
        <translation>Choose the file to write.</translation>
    </message>
    <message>
        <source>BIN файл MEC16 (*.bin)|*.bin|Другие|*.*</source>
        <translation>MEC16 BIN file (*.bin)|*.bin|Other|*.*</translation>
    </message>
    <message>
        <source>Операция записи прервана</source>
        <translation>Write cancelled</translation>
    </message>
    <message>
        <source>Закрыли VCOM порт</source>
        <translation>VCOM port closed</translation>
    </message>
    <message>
        <source>Записываем в файл: </source>
        <translation>Writing from file: </translation>
    </message>
    <message>
        <source>Выбрана запись только MAIN блока</source>
        <translation>Writing the MAIN block only</translation>
    </message>
    <message>
        <source>Начали запись MEC16 main block ...</source>
        <translation>Writing the MEC16 MAIN block ...</translation>
    </message>
    <message>
        <source>Ошибка открытия файла</source>
        <translation>Error opening the file</translation>
    </message>
    <message>
        <source>Получен ID от MEC16 -&gt; </source>
        <translation>ID from MEC16 -&gt; </translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (E100)</source>
        <translation>Lost communication with MEC16 (E100)</translation>
    </message>
    <message>
        <source>Регистр FF390Ch -&gt; </source>
        <translation>Register FF390Ch -&gt; </translation>
    </message>
    <message>
        <source>--&gt; Каманда стирания отменена.</source>
        <translation>--&gt; Erase command cancelled.</translation>
    </message>
    <message>
        <source>Записали в регистр FF3910h 1</source>
        <translation>Wrote 1 to register FF3910h</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (E101)</source>
        <translation>Lost communication with MEC16 (E101)</translation>
    </message>
    <message>
        <source>Записали в регистр FF3908h 107h</source>
        <translation>Wrote 107h to register FF3908h</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (E102)</source>
        <translation>Lost communication with MEC16 (E102)</translation>
    </message>
    <message>
        <source>Отправили команду стирания.</source>
        <translation>Erase command sent.</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (E103)</source>
        <translation>Lost communication with MEC16 (E103)</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (E104)</source>
        <translation>Lost communication with MEC16 (E104)</translation>
    </message>
    <message>
        <source>Cancelled while the MEC16 was erasing (busy poll of FF390Ch)</source>
        <translation>Cancelled while the MEC16 was erasing (busy poll of FF390Ch)</translation>
    </message>
    <message>
        <source>Timeout: the MEC16 was still erasing after %1 (busy poll of FF390Ch)</source>
        <translation>Timeout: the MEC16 was still erasing after %1 (busy poll of FF390Ch)</translation>
    </message>
    <message>
        <source>Стирание завершено успешно.</source>
        <translation>Erase completed successfully.</translation>
    </message>
    <message>
        <source>Записали в регистр FF3908h 100h</source>
        <translation>Wrote 100h to register FF3908h</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (E105)</source>
        <translation>Lost communication with MEC16 (E105)</translation>
    </message>
    <message>
        <source>Записали в регистр FF3908h 0</source>
        <translation>Wrote 0 to register FF3908h</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (E106)</source>
        <translation>Lost communication with MEC16 (E106)</translation>
    </message>
    <message>
        <source>Записали в регистр FF3910h 0</source>
        <translation>Wrote 0 to register FF3910h</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (E107)</source>
        <translation>Lost communication with MEC16 (E107)</translation>
    </message>
    <message>
        <source>Lost communication with MEC (%1)</source>
        <translation>Lost communication with MEC (%1)</translation>
    </message>
    <message>
        <source>Lost communication with MEC: bad status after %1</source>
        <translation>Lost communication with MEC: bad status after %1</translation>
    </message>
    <message>
        <source>User break read ...</source>
        <translation>Read cancelled by the user ...</translation>
    </message>
    <message>
        <source>MAIN block %1 of %2</source>
        <translation>MAIN block %1 of %2</translation>
    </message>
    <message>
        <source>Write to reg FF3908h 100h</source>
        <translation>Wrote 100h to register FF3908h</translation>
    </message>
    <message>
        <source>INFO block %1 of %2</source>
        <translation>INFO block %1 of %2</translation>
    </message>
    <message>
        <source>Lost communication with MEC (FF3908h = 100h)</source>
        <translation>Lost communication with MEC (FF3908h = 100h)</translation>
    </message>
    <message>
        <source>Lost communication with MEC (FF3908h = 0)</source>
        <translation>Lost communication with MEC (FF3908h = 0)</translation>
    </message>
    <message>
        <source>Lost communication with MEC (FF3910h = 0)</source>
        <translation>Lost communication with MEC (FF3910h = 0)</translation>
    </message>
    <message>
        <source>получили ответ после команды 1</source>
        <translation>Got the answer to command 1</translation>
    </message>
    <message>
        <source>ID готово 4 байта но сняли меньше ОШИБКА</source>
        <translation>ERROR: the ID has 4 bytes but fewer were read</translation>
    </message>
    <message>
        <source>Write to reg FF3908h 0</source>
        <translation>Wrote 0 to register FF3908h</translation>
    </message>
    <message>
        <source>Write to reg FF3910h 0</source>
        <translation>Wrote 0 to register FF3910h</translation>
    </message>
    <message>
        <source>--&gt; FW write protect! (FWP ножка)</source>
        <translation>--&gt; Flash write protected! (FWP pin)</translation>
    </message>
    <message>
        <source>--&gt; СТОИТ ЗАЩИТА ЗАПИСИ ! (FWP ножка)</source>
        <translation>--&gt; Flash write protected! (FWP pin)</translation>
    </message>
    <message>
        <source>--&gt; Erase and Write allowed (FWP pin).</source>
        <translation>--&gt; Erase and Write allowed (FWP pin).</translation>
    </message>
    <message>
        <source>--&gt; Стирание и запись разрешена (FWP ножка)</source>
        <translation>--&gt; Erase and write allowed (FWP pin).</translation>
    </message>
    <message>
        <source>--&gt; Boot_Lock! (защита загрузочного блока)</source>
        <translation>--&gt; Boot_Lock set! (boot block protected)</translation>
    </message>
    <message>
        <source>--&gt; Стоит Boot_Lock ! (защита загрузочного блока)</source>
        <translation>--&gt; Boot_Lock set! (boot block protected)</translation>
    </message>
    <message>
        <source>--&gt; Erase and Write boot allowed.</source>
        <translation>--&gt; Erase and write of the boot block allowed.</translation>
    </message>
    <message>
        <source>--&gt; Стирание и запись загрузочного блока разрешена</source>
        <translation>--&gt; Erase and write of the boot block allowed.</translation>
    </message>
    <message>
        <source>No chip answered: check the JTAG wiring and that the board is powered.</source>
        <translation>No chip answered: check the JTAG wiring and that the board is powered.</translation>
    </message>
    <message>
        <source>Запись блока INFO не готова</source>
        <translation>Writing the INFO block is not ready</translation>
    </message>
    <message>
        <source>Автоматическая проверка не готова, но можно сравнить во </source>
        <translation>Automatic verification is not ready, but you can compare in </translation>
    </message>
    <message>
        <source>внешнем редакторе.</source>
        <translation>an external editor.</translation>
    </message>
    <message>
        <source>Перед записью необходимо стереть! </source>
        <translation>Erase before writing! </translation>
    </message>
    <message>
        <source>The block INFO is not ready to write</source>
        <translation>Writing the INFO block is not ready</translation>
    </message>
    <message>
        <source>Auto verification is not ready, but it can be compared in </source>
        <translation>Automatic verification is not ready, but you can compare in </translation>
    </message>
    <message>
        <source>an external editor.</source>
        <translation>an external editor.</translation>
    </message>
    <message>
        <source>Before recording it is necessary to erase! </source>
        <translation>Erase before writing! </translation>
    </message>
    <message>
        <source>Распиновка для расширенной версии (PCB2):</source>
        <translation>Pinout of the extended board (PCB2):</translation>
    </message>
    <message>
        <source>1-JRST mec16 (не обязательно!)</source>
        <translation>1-JRST mec16 (optional!)</translation>
    </message>
    <message>
        <source>2-TMS mec16</source>
        <translation>2-TMS mec16</translation>
    </message>
    <message>
        <source>3-TDO mec16</source>
        <translation>3-TDO mec16</translation>
    </message>
    <message>
        <source>5-TCLK mec16</source>
        <translation>5-TCLK mec16</translation>
    </message>
    <message>
        <source>6-GND</source>
        <translation>6-GND</translation>
    </message>
    <message>
        <source>7-TDI mec16</source>
        <translation>7-TDI mec16</translation>
    </message>
    <message>
        <source>На первой версии платы (PCB1) вывод 1-JRST не подключается.</source>
        <translation>On the first board (PCB1) pin 1-JRST is not connected.</translation>
    </message>
    <message>
        <source>Для записи MEC нужен резистор 2 кОм от ножки nFWP на +3V, резистор на GND можно не снимать.</source>
        <translation>Writing the MEC needs a 2 kOhm resistor from the nFWP pin to +3V; the resistor to GND may stay.</translation>
    </message>
    <message>
        <source>Проверьте, что ножка JTAG_RESET не посажена на GND резистором 0 Ом.</source>
        <translation>Check that the JTAG_RESET pin is not tied to GND by a 0 Ohm resistor.</translation>
    </message>
    <message>
        <source>В зависимости от материнской платы одну из ножек VCI_IN0(D2), VCI_IN1(F4), VCI_IN2(C2), VCI_IN3(E1) нужно посадить на землю.</source>
        <translation>Depending on the motherboard, one of the pins VCI_IN0(D2), VCI_IN1(F4), VCI_IN2(C2), VCI_IN3(E1) must be tied to ground.</translation>
    </message>
    <message>
        <source>Для MBX-237 нужно посадить на землю VCI_IN1(F4).</source>
        <translation>For MBX-237 tie VCI_IN1(F4) to ground.</translation>
    </message>
    <message>
        <source>На всех ножках VTR должно быть +3V.</source>
        <translation>All VTR pins must have +3V.</translation>
    </message>
    <message>
        <source>Не тестировалось с MEC1619 - могут быть проблемы с записью.</source>
        <translation>Not tested with MEC1619: writing may fail.</translation>
    </message>
    <message>
        <source>Current time </source>
        <translation>Current time </translation>
    </message>
    <message>
        <source>Текущее время  </source>
        <translation>Current time </translation>
    </message>
    <message>
        <source>Erase INFO too? No command or button of this program can write INFO back once it is erased: keep a read with INFO first.</source>
        <translation>Erase INFO too? No command or button of this program can write INFO back once it is erased: keep a read with INFO first.</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (W100)</source>
        <translation>Lost communication with MEC16 (W100)</translation>
    </message>
    <message>
        <source>Записали в регистр FF3908h 106h</source>
        <translation>Wrote 106h to register FF3908h</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (W101)</source>
        <translation>Lost communication with MEC16 (W101)</translation>
    </message>
    <message>
        <source>Записали в регистр FF3904h 0</source>
        <translation>Wrote 0 to register FF3904h</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (W101A)</source>
        <translation>Lost communication with MEC16 (W101A)</translation>
    </message>
    <message>
        <source>Неверный ID. Операция прервана!</source>
        <translation>Invalid ID. Operation cancelled!</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (TW001)</source>
        <translation>Lost communication with MEC16 (TW001)</translation>
    </message>
    <message>
        <source>--&gt; Команда записи отменена (nFWP или BOOT_LOCK)</source>
        <translation>--&gt; Write command cancelled (nFWP or BOOT_LOCK)</translation>
    </message>
    <message>
        <source>Lost communication with MEC (P103).</source>
        <translation>Lost communication with MEC (P103).</translation>
    </message>
    <message>
        <source>Read FLASH complete.</source>
        <translation>FLASH read complete.</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (P104).</source>
        <translation>Lost communication with MEC16 (P104).</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (P105).</source>
        <translation>Lost communication with MEC16 (P105).</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (P106)</source>
        <translation>Lost communication with MEC16 (P106)</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (P107).</source>
        <translation>Lost communication with MEC16 (P107).</translation>
    </message>
    <message>
        <source>Read INFO ...</source>
        <translation>Reading INFO ...</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (P108).</source>
        <translation>Lost communication with MEC16 (P108).</translation>
    </message>
    <message>
        <source>Lost communication with MEC (P109).</source>
        <translation>Lost communication with MEC (P109).</translation>
    </message>
    <message>
        <source>Read INFO complete.</source>
        <translation>INFO read complete.</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (P110).</source>
        <translation>Lost communication with MEC16 (P110).</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (P111).</source>
        <translation>Lost communication with MEC16 (P111).</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (P112)</source>
        <translation>Lost communication with MEC16 (P112)</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (P100).</source>
        <translation>Lost communication with MEC16 (P100).</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (P101).</source>
        <translation>Lost communication with MEC16 (P101).</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (P102)</source>
        <translation>Lost communication with MEC16 (P102)</translation>
    </message>
    <message>
        <source>request for block %1 of %2</source>
        <translation>request for block %1 of %2</translation>
    </message>
    <message>
        <source>answer to block %1 of %2</source>
        <translation>answer to block %1 of %2</translation>
    </message>
    <message>
        <source>-&gt; Предупреждение!</source>
        <translation>-&gt; Warning!</translation>
    </message>
    <message>
        <source>-&gt; Записываемый файл короче!</source>
        <translation>-&gt; The file being written is shorter than the flash!</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (W102)</source>
        <translation>Lost communication with MEC16 (W102)</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (W104).</source>
        <translation>Lost communication with MEC16 (W104).</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (W105).</source>
        <translation>Lost communication with MEC16 (W105).</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (W106)</source>
        <translation>Lost communication with MEC16 (W106)</translation>
    </message>
    <message>
        <source>Write FLASH complete.</source>
        <translation>FLASH write complete.</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (W103)</source>
        <translation>Lost communication with MEC16 (W103)</translation>
    </message>
    <message>
        <source>Read and Write MEC   19_03_17</source>
        <translation>Read and write MEC   19_03_17</translation>
    </message>
    <message>
        <source>Check connect to MEC</source>
        <translation>Check connection to MEC</translation>
    </message>
    <message>
        <source>If Green - Erase/Write allowed</source>
        <translation>Green: erase and write allowed</translation>
    </message>
    <message>
        <source>If Green - no Boot_Lock</source>
        <translation>Green: no Boot_Lock</translation>
    </message>
    <message>
        <source>Also need read INFO</source>
        <translation>Also read INFO</translation>
    </message>
    <message>
        <source>Read FLASH MEC </source>
        <translation>Read MEC FLASH</translation>
    </message>
    <message>
        <source>Also need erase INFO</source>
        <translation>Also erase INFO</translation>
    </message>
    <message>
        <source>Erase FLASH MEC16</source>
        <translation>Erase MEC16 FLASH</translation>
    </message>
    <message>
        <source>Also need write INFO</source>
        <translation>Also write INFO</translation>
    </message>
    <message>
        <source>Write FLASH MEC16</source>
        <translation>Write MEC16 FLASH</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>HELP</translation>
    </message>
    <message>
        <source>STOP and EXIT</source>
        <translation>STOP and EXIT</translation>
    </message>
    <message>
        <source>answer to %1</source>
        <translation>answer to %1</translation>
    </message>
    <message>
        <source>register read</source>
        <translation>register read</translation>
    </message>
    <message>
        <source>register write</source>
        <translation>register write</translation>
    </message>
    <message>
        <source>Check the JTAG connection: ID, registers, FWP and Boot_Lock</source>
        <translation>Check the JTAG connection: ID, registers, FWP and Boot_Lock</translation>
    </message>
    <message>
        <source>Reads the JTAG ID and the registers FFFD00h, FF3908h, FF3910h and FF390Ch of a MEC16xx and tells whether the nFWP pin or Boot_Lock protects its flash. Nothing is written to the controller.</source>
        <translation>Reads the JTAG ID and the registers FFFD00h, FF3908h, FF3910h and FF390Ch of a MEC16xx and tells whether the nFWP pin or Boot_Lock protects its flash. Nothing is written to the controller.</translation>
    </message>
    <message>
        <source>0 connected and not protected, 1 a step failed or the flash is protected, 2 no usable JIG, 64 wrong usage</source>
        <translation>0 connected and not protected, 1 a step failed or the flash is protected, 2 no usable JIG, 64 wrong usage</translation>
    </message>
    <message>
        <source>Read MAIN (192 KiB) or MAIN+INFO into OUT.bin</source>
        <translation>Read MAIN (192 KiB) or MAIN+INFO into OUT.bin</translation>
    </message>
    <message>
        <source>Reads the MAIN block of a MEC16xx (196608 bytes) into OUT.bin; with --info the 2048 INFO bytes follow it (198656 bytes).</source>
        <translation>Reads the MAIN block of a MEC16xx (196608 bytes) into OUT.bin; with --info the 2048 INFO bytes follow it (198656 bytes).</translation>
    </message>
    <message>
        <source>the file the flash is saved to</source>
        <translation>the file the flash is saved to</translation>
    </message>
    <message>
        <source>also read the INFO block, after MAIN</source>
        <translation>also read the INFO block, after MAIN</translation>
    </message>
    <message>
        <source>0 read, 1 failed, 2 no usable JIG or OUT.bin cannot be created, 64 wrong usage</source>
        <translation>0 read, 1 failed, 2 no usable JIG or OUT.bin cannot be created, 64 wrong usage</translation>
    </message>
    <message>
        <source>Erase MAIN (with --info also INFO)</source>
        <translation>Erase MAIN (with --info also INFO)</translation>
    </message>
    <message>
        <source>Erases the MAIN block of a MEC16xx, with --info MAIN and INFO. Refused while the nFWP pin or Boot_Lock protects the flash.</source>
        <translation>Erases the MAIN block of a MEC16xx, with --info MAIN and INFO. Refused while the nFWP pin or Boot_Lock protects the flash.</translation>
    </message>
    <message>
        <source>also erase the INFO block (no command writes it back)</source>
        <translation>also erase the INFO block (no command writes it back)</translation>
    </message>
    <message>
        <source>agree to erase INFO; without it --info is refused</source>
        <translation>agree to erase INFO; without it --info is refused</translation>
    </message>
    <message>
        <source>0 erased, 1 failed or protected, 2 no usable JIG, 64 wrong usage</source>
        <translation>0 erased, 1 failed or protected, 2 no usable JIG, 64 wrong usage</translation>
    </message>
    <message>
        <source>Erase, write IN.bin into MAIN, read back and compare</source>
        <translation>Erase, write IN.bin into MAIN, read back and compare</translation>
    </message>
    <message>
        <source>Writes the first 196608 bytes of IN.bin into the MAIN block of a MEC16xx (a shorter file is filled up with 0xFF; INFO is left as it is). MAIN is erased first and read back afterwards; a difference names the first differing offset. The erase (or, with --no-erase, the write) reads MAIN and INFO into a backup file first.</source>
        <translation>Writes the first 196608 bytes of IN.bin into the MAIN block of a MEC16xx (a shorter file is filled up with 0xFF; INFO is left as it is). MAIN is erased first and read back afterwards; a difference names the first differing offset. The erase (or, with --no-erase, the write) reads MAIN and INFO into a backup file first.</translation>
    </message>
    <message>
        <source>the image to write</source>
        <translation>the image to write</translation>
    </message>
    <message>
        <source>do not erase MAIN first (it must already be blank)</source>
        <translation>do not erase MAIN first (it must already be blank)</translation>
    </message>
    <message>
        <source>do not read MAIN back</source>
        <translation>do not read MAIN back</translation>
    </message>
    <message>
        <source>0 written (and verified), 1 failed or differs, 2 no usable JIG or IN.bin cannot be read, 64 wrong usage</source>
        <translation>0 written (and verified), 1 failed or differs, 2 no usable JIG or IN.bin cannot be read, 64 wrong usage</translation>
    </message>
</context>
<context>
    <name>Npce</name>
    <message>
        <source>Read the whole flash into OUT.bin</source>
        <translation>Read the whole flash into OUT.bin</translation>
    </message>
    <message>
        <source>Reads the 128 KiB SPI flash of a Nuvoton NPCE288N/388N into OUT.bin, after checking the flash ID (EF 40 12). OUT.bin is replaced only by a read that succeeded; otherwise the blocks received are kept in OUT.bin.partial.</source>
        <translation>Reads the 128 KiB SPI flash of a Nuvoton NPCE288N/388N into OUT.bin, after checking the flash ID (EF 40 12). OUT.bin is replaced only by a read that succeeded; otherwise the blocks received are kept in OUT.bin.partial.</translation>
    </message>
    <message>
        <source>the file the flash is saved to</source>
        <translation>the file the flash is saved to</translation>
    </message>
    <message>
        <source>0 read, 1 failed, 2 no usable JIG or OUT.bin cannot be created, 64 wrong usage</source>
        <translation>0 read, 1 failed, 2 no usable JIG or OUT.bin cannot be created, 64 wrong usage</translation>
    </message>
    <message>
        <source>Erase the flash, write IN.bin and verify it</source>
        <translation>Erase the flash, write IN.bin and verify it</translation>
    </message>
    <message>
        <source>Erases the flash of a Nuvoton NPCE288N/388N, checks that it is blank, writes IN.bin (at most 128 KiB; a shorter file is filled up with FFh) in 256-byte pages and verifies it by reading it back. The file is checked before the JIG is asked for anything.</source>
        <translation>Erases the flash of a Nuvoton NPCE288N/388N, checks that it is blank, writes IN.bin (at most 128 KiB; a shorter file is filled up with FFh) in 256-byte pages and verifies it by reading it back. The file is checked before the JIG is asked for anything.</translation>
    </message>
    <message>
        <source>the image to write</source>
        <translation>the image to write</translation>
    </message>
    <message>
        <source>0 written and verified, 1 failed or IN.bin refused (empty, too large), 2 no usable JIG or IN.bin cannot be read, 64 wrong usage</source>
        <translation>0 written and verified, 1 failed or IN.bin refused (empty, too large), 2 no usable JIG or IN.bin cannot be read, 64 wrong usage</translation>
    </message>
    <message>
        <source>flash ID</source>
        <translation>flash ID</translation>
    </message>
    <message>
        <source>Communication with NPCE installed.</source>
        <translation>Communication with NPCE established.</translation>
    </message>
    <message>
        <source>ID FLASH EFh 4012h </source>
        <translation>ID FLASH EFh 4012h </translation>
    </message>
    <message>
        <source>No connection to the NPCE! reading ID -&gt; </source>
        <translation>No connection to the NPCE! reading ID -&gt; </translation>
    </message>
    <message>
        <source>Check soldering NPCE or chip damaged.</source>
        <translation>Check the soldering of the NPCE, or the chip is damaged.</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>BIN file NPCE (*.bin)|*.bin</source>
        <translation>BIN file NPCE (*.bin)|*.bin</translation>
    </message>
    <message>
        <source>Write to file is interrupted.</source>
        <translation>Write to file is interrupted.</translation>
    </message>
    <message>
        <source>Ошибка создания файла.</source>
        <translation>Error creating the file.</translation>
    </message>
    <message>
        <source>Save the file: </source>
        <translation>Save the file: </translation>
    </message>
    <message>
        <source>Reading ...</source>
        <translation>Reading ...</translation>
    </message>
    <message>
        <source>Read file</source>
        <translation>Read file</translation>
    </message>
    <message>
        <source>BIN file NPCE (*.bin)|*.bin|other|*.*</source>
        <translation>BIN file NPCE (*.bin)|*.bin|other|*.*</translation>
    </message>
    <message>
        <source>Write operation is interrupted.</source>
        <translation>Write operation is interrupted.</translation>
    </message>
    <message>
        <source>Ошибка открытия файла.</source>
        <translation>Error opening the file.</translation>
    </message>
    <message>
        <source>Write to NPCE file:</source>
        <translation>Write to NPCE file:</translation>
    </message>
    <message>
        <source>Erase ...</source>
        <translation>Erase ...</translation>
    </message>
    <message>
        <source>Current time  </source>
        <translation>Current time  </translation>
    </message>
    <message>
        <source>answer to the success signal</source>
        <translation>answer to the success signal</translation>
    </message>
    <message>
        <source>answer to the failure signal</source>
        <translation>answer to the failure signal</translation>
    </message>
    <message>
        <source>ERROR timeout. Corrupted data !? </source>
        <translation>ERROR timeout. Corrupted data !? </translation>
    </message>
    <message>
        <source>** Lost contact with the chip or ERROR timeout **</source>
        <translation>** Lost contact with the chip or ERROR timeout **</translation>
    </message>
    <message>
        <source>** ERROR write or ERROR timeout **</source>
        <translation>** ERROR write or ERROR timeout **</translation>
    </message>
    <message>
        <source>block %1 of %2</source>
        <translation>block %1 of %2</translation>
    </message>
    <message>
        <source>after block %1 of %2</source>
        <translation>after block %1 of %2</translation>
    </message>
    <message>
        <source>end of the read</source>
        <translation>end of the read</translation>
    </message>
    <message>
        <source>Reading complete ...</source>
        <translation>Reading complete ...</translation>
    </message>
    <message>
        <source>All data is clear!</source>
        <translation>All data is clear!</translation>
    </message>
    <message>
        <source>Write ...</source>
        <translation>Write ...</translation>
    </message>
    <message>
        <source>Verify ...</source>
        <translation>Verify ...</translation>
    </message>
    <message>
        <source>answer to the erase</source>
        <translation>answer to the erase</translation>
    </message>
    <message>
        <source>Check clear data ...</source>
        <translation>Check clear data ...</translation>
    </message>
    <message>
        <source>answer to the blank check</source>
        <translation>answer to the blank check</translation>
    </message>
    <message>
        <source>** Data not clear !**</source>
        <translation>** Data not clear !**</translation>
    </message>
    <message>
        <source>ready for block %1 of %2</source>
        <translation>ready for block %1 of %2</translation>
    </message>
    <message>
        <source>** HOST/M88 Protocol ERROR **</source>
        <translation>** HOST/M88 Protocol ERROR **</translation>
    </message>
    <message>
        <source>sending block %1 of %2</source>
        <translation>sending block %1 of %2</translation>
    </message>
    <message>
        <source>status of block %1 of %2</source>
        <translation>status of block %1 of %2</translation>
    </message>
    <message>
        <source>answer to the end of the write</source>
        <translation>answer to the end of the write</translation>
    </message>
    <message>
        <source>verify block %1 of %2</source>
        <translation>verify block %1 of %2</translation>
    </message>
    <message>
        <source>Принято не 512 байт  </source>
        <translation>Not 512 bytes received:  </translation>
    </message>
    <message>
        <source>after verify block %1 of %2</source>
        <translation>after verify block %1 of %2</translation>
    </message>
    <message>
        <source>end of the verify</source>
        <translation>end of the verify</translation>
    </message>
    <message>
        <source>Nuvoton chip is programmed succesfully!</source>
        <translation>Nuvoton chip is programmed successfully!</translation>
    </message>
    <message>
        <source>*** Data is written incorrectly ***</source>
        <translation>*** Data is written incorrectly ***</translation>
    </message>
    <message>
        <source>Verify: the flash differs from the image at offset %1 (image %2, flash %3); %4 of the %5 bytes of that block differ</source>
        <translation>Verify: the flash differs from the image at offset %1 (image %2, flash %3); %4 of the %5 bytes of that block differ</translation>
    </message>
    <message>
        <source>NPCE288N/388N 02_02_2017</source>
        <translation>NPCE288N/388N 02_02_2017</translation>
    </message>
    <message>
        <source>Nuvoton_READ</source>
        <translation>Nuvoton_READ</translation>
    </message>
    <message>
        <source>Nuvoton_WRITE</source>
        <translation>Nuvoton_WRITE</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>Stop the operation?</source>
        <translation>Stop the operation?</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source> Please press the reset button on the JIG!</source>
        <translation> Please press the reset button on the JIG!</translation>
    </message>
    <message>
        <source>JIG not connected to the USB port!</source>
        <translation>JIG not connected to the USB port!</translation>
    </message>
    <message>
        <source>Not found .hex file -&gt; %1 for M88 in the program folder </source>
        <translation>.hex file not found -&gt; %1 for M88 in the program folder </translation>
    </message>
    <message>
        <source>UPGRADE file loaded to buffer (%1)</source>
        <translation>UPGRADE file loaded to buffer (%1)</translation>
    </message>
    <message>
        <source>Bytes read from file %1</source>
        <translation>Bytes read from file %1</translation>
    </message>
    <message>
        <source>Wrong file format!</source>
        <translation>Wrong file format!</translation>
    </message>
    <message>
        <source>No answer from BOOT M88 to %1 (%2)</source>
        <translation>No answer from BOOT M88 to %1 (%2)</translation>
    </message>
    <message>
        <source>No program bytes for M88 in the .hex file!</source>
        <translation>No program bytes for M88 in the .hex file!</translation>
    </message>
    <message>
        <source>HEX position_buff %1</source>
        <translation>HEX position_buff %1</translation>
    </message>
    <message>
        <source>This .hex file is a stand-in made for the simulated JIG; it is not sent to a real JIG!</source>
        <translation>This .hex file is a stand-in made for the simulated JIG; it is not sent to a real JIG!</translation>
    </message>
    <message>
        <source>the record at %1</source>
        <translation>the record at %1</translation>
    </message>
    <message>
        <source>Too long answer from BOOT M88 to the record at %1</source>
        <translation>Too long answer from BOOT M88 to the record at %1</translation>
    </message>
    <message>
        <source>ERROR FW upgrade!</source>
        <translation>ERROR FW upgrade!</translation>
    </message>
    <message>
        <source>отправлено EOF корректно</source>
        <translation>EOF sent correctly</translation>
    </message>
    <message>
        <source>отправлено МЕНЬШЕ байт</source>
        <translation>FEWER bytes sent</translation>
    </message>
    <message>
        <source>the end record</source>
        <translation>the end record</translation>
    </message>
    <message>
        <source>You did not press the reset button or error response BOOT_loader</source>
        <translation>You did not press the reset button, or BOOT_loader answered wrong</translation>
    </message>
    <message>
        <source>*** PLEASE PUSH RESET BUTTON ! ***</source>
        <translation>*** PLEASE PUSH RESET BUTTON ! ***</translation>
    </message>
    <message>
        <source>Current version of FW -&gt; %1</source>
        <translation>Current version of FW -&gt; %1</translation>
    </message>
    <message>
        <source>User select -&gt; %1</source>
        <translation>User select -&gt; %1</translation>
    </message>
    <message>
        <source>Firmware switch stopped.</source>
        <translation>Firmware switch stopped.</translation>
    </message>
    <message>
        <source>BOOT M88 connected - %1</source>
        <translation>BOOT M88 connected - %1</translation>
    </message>
    <message>
        <source>Update firmware ... </source>
        <translation>Update firmware ... </translation>
    </message>
    <message>
        <source>Error format .hex file for M88!</source>
        <translation>Error format .hex file for M88!</translation>
    </message>
    <message>
        <source>Flashing M88 error!</source>
        <translation>Flashing M88 error!</translation>
    </message>
    <message>
        <source>Exit from BOOT and RUN ... </source>
        <translation>Exit from BOOT and RUN ... </translation>
    </message>
    <message>
        <source>&apos;g&apos; (run)</source>
        <translation>&apos;g&apos; (run)</translation>
    </message>
    <message>
        <source>Command go to BOOT ... </source>
        <translation>Command go to BOOT ... </translation>
    </message>
    <message>
        <source>*** FAULT ANSWER. PLEASE push reset button ***</source>
        <translation>*** FAULT ANSWER. PLEASE push reset button ***</translation>
    </message>
    <message>
        <source>Please select </source>
        <translation>Please select </translation>
    </message>
    <message>
        <source>  The sequence of the connection while working on a flexible cable.</source>
        <translation>  The sequence of the connection while working on a flexible cable.</translation>
    </message>
    <message>
        <source>1 Connect the motherboard and the programmer via a flexible cable.</source>
        <translation>1 Connect the motherboard and the programmer via a flexible cable.</translation>
    </message>
    <message>
        <source>2 Connect the ground between the motherboard and the programmer.</source>
        <translation>2 Connect the ground between the motherboard and the programmer.</translation>
    </message>
    <message>
        <source>3 In the shell, choose a motherboard, a flexible cable, the first in the first or not, and then click APPLY SETTINGS.</source>
        <translation>3 In the shell, choose a motherboard, a flexible cable, the first in the first or not, and then click APPLY SETTINGS.</translation>
    </message>
    <message>
        <source>4 Only NOW it is possible to connect the power supply to the motherboard !</source>
        <translation>4 Only NOW it is possible to connect the power supply to the motherboard !</translation>
    </message>
    <message>
        <source>Every mode window works on the JIG chosen here (remembered by its serial number)</source>
        <translation>Every mode window works on the JIG chosen here (remembered by its serial number)</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Tolvane_JIG  VER 4.A   24/03/2017   for PCB2 and PCB3</source>
        <translation>Tolvane_JIG  VER 4.A   24/03/2017   for PCB2 and PCB3</translation>
    </message>
    <message>
        <source>Working mode</source>
        <translation>Working mode</translation>
    </message>
    <message>
        <source>Before its first erase or write, every mode reads the whole chip into a new file in %1</source>
        <translation>Before its first erase or write, every mode reads the whole chip into a new file in %1</translation>
    </message>
    <message>
        <source>Every read is made twice; a difference fails it (a loose clip or a long wire)</source>
        <translation>Every read is made twice; a difference fails it (a loose clip or a long wire)</translation>
    </message>
    <message>
        <source>Backups: %1</source>
        <translation>Backups: %1</translation>
    </message>
    <message>
        <source>Journal: %1</source>
        <translation>Journal: %1</translation>
    </message>
    <message>
        <source>Open backups folder</source>
        <translation>Open backups folder</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>The JIG %1 is no longer plugged in.</source>
        <translation>The JIG %1 is no longer plugged in.</translation>
    </message>
    <message>
        <source>The JIG&apos;s firmware is being written: closing now would leave the JIG without a working firmware. Wait until the update ends.</source>
        <translation>The JIG&apos;s firmware is being written: closing now would leave the JIG without a working firmware. Wait until the update ends.</translation>
    </message>
    <message>
        <source>Update FW for PCB2 and PCB3</source>
        <translation>Update FW for PCB2 and PCB3</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>Please disconnect other device and replay!</source>
        <translation>Please disconnect the other devices and try again!</translation>
    </message>
    <message>
        <source>ERROR FT_Open != FT_OK</source>
        <translation>ERROR FT_Open != FT_OK</translation>
    </message>
    <message>
        <source>Founded FTDI device, wait answer. (RESET pushed?)</source>
        <translation>Found the FTDI device, waiting for an answer. (RESET pressed?)</translation>
    </message>
    <message>
        <source>No answer from the M328 bootloader within %1 s: was the reset button pressed? Update stopped.</source>
        <translation>No answer from the M328 bootloader within %1 s: was the reset button pressed? Update stopped.</translation>
    </message>
    <message>
        <source>PCB3 update stopped while calling the bootloader.</source>
        <translation>PCB3 update stopped while calling the bootloader.</translation>
    </message>
    <message>
        <source>Readed bytes answer -&gt; %1</source>
        <translation>Answer bytes read -&gt; %1</translation>
    </message>
    <message>
        <source>Readed bytes (hex)  -&gt; %1</source>
        <translation>Bytes read (hex)   -&gt; %1</translation>
    </message>
    <message>
        <source>Bootloader M328 ANSWER_OK</source>
        <translation>Bootloader M328 ANSWER_OK</translation>
    </message>
    <message>
        <source>ERROR open file.</source>
        <translation>ERROR opening the file.</translation>
    </message>
    <message>
        <source>ERROR short file.</source>
        <translation>ERROR: the file is too short.</translation>
    </message>
    <message>
        <source>Loaded to buffer bytes (dec): %1</source>
        <translation>Loaded to buffer bytes (dec): %1</translation>
    </message>
    <message>
        <source>This package is a stand-in made for the simulated JIG; it is not sent to a real JIG!</source>
        <translation>This package is a stand-in made for the simulated JIG; it is not sent to a real JIG!</translation>
    </message>
    <message>
        <source>ERROR protocol! Update stopped.(G)</source>
        <translation>ERROR protocol! Update stopped.(G)</translation>
    </message>
    <message>
        <source>ERROR protocol! Update stopped.(+)</source>
        <translation>ERROR protocol! Update stopped.(+)</translation>
    </message>
    <message>
        <source>UPDATE completed successfully.</source>
        <translation>UPDATE completed successfully.</translation>
    </message>
</context>
</TS>
