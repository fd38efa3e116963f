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
        <source>usb (default), usb:SERIAL (only the device with that serial number, see &quot;list&quot;), tty:PATH, or sim[:BOARD] with BOARD one of pcb3, pcb3-old, pcb2-v41, pcb2-v42, pcb2-ite, pcb2-npce</source>
        <translation>usb (default), usb:SERIAL (only the device with that serial number, see &quot;list&quot;), tty:PATH, or sim[:BOARD] with BOARD one of pcb3, pcb3-old, pcb2-v41, pcb2-v42, pcb2-ite, pcb2-npce</translation>
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
