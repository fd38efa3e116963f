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
        <source>print bytes moved, wall time, CPU time and the simulated JIG&apos;s time</source>
        <translation>print bytes moved, wall time, CPU time and the simulated JIG&apos;s time</translation>
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
        <source>print bytes moved, wall time, CPU time and the simulated JIG&apos;s time</source>
        <translation>print bytes moved, wall time, CPU time and the simulated JIG&apos;s time</translation>
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
        <source>Current time  </source>
        <translation>Current time  </translation>
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
</TS>
