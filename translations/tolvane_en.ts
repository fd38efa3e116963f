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
