<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Cli</name>
    <message>
        <source>unknown command &quot;%1&quot;: %2 takes %3
Run with --help for more information.</source>
        <translation>неизвестная команда &quot;%1&quot;: %2 принимает %3
Подробнее: --help.</translation>
    </message>
    <message>
        <source>error</source>
        <translation>ошибка</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>внимание</translation>
    </message>
    <message>
        <source>note</source>
        <translation>замечание</translation>
    </message>
    <message>
        <source>-&gt; yes (--yes)</source>
        <translation>-&gt; да (--yes)</translation>
    </message>
    <message>
        <source>-&gt; no (pass --yes to agree)</source>
        <translation>-&gt; нет (для согласия добавьте --yes)</translation>
    </message>
    <message>
        <source>To put it back: </source>
        <translation>Вернуть прежнее содержимое: </translation>
    </message>
    <message>
        <source>Stopping at the next safe point (%1 again ends at once) ...</source>
        <translation>Останавливаемся в ближайшей безопасной точке (повторный %1 завершает сразу) ...</translation>
    </message>
    <message>
        <source>the signal</source>
        <translation>сигнал</translation>
    </message>
    <message>
        <source>note: %1 has %2 bytes; MAIN takes its first %3 (a shorter file is filled up with 0xFF)</source>
        <translation>замечание: в %1 %2 байт; в MAIN идут первые %3 (короткий файл дополняется 0xFF)</translation>
    </message>
    <message>
        <source>Verification failed: read back %1 bytes instead of %2</source>
        <translation>Проверка не прошла: прочитано %1 байт вместо %2</translation>
    </message>
    <message>
        <source>Verification OK: MAIN is byte for byte </source>
        <translation>Проверка прошла: MAIN побайтно совпадает с </translation>
    </message>
    <message>
        <source>Verification failed: MAIN differs from %1 at offset %2 (file %3, flash %4); %5 bytes differ</source>
        <translation>Проверка не прошла: MAIN отличается от %1 по смещению %2 (файл %3, флеш %4); различаются %5 байт</translation>
    </message>
    <message>
        <source>--- erase MAIN</source>
        <translation>--- стираем MAIN</translation>
    </message>
    <message>
        <source>--- write </source>
        <translation>--- записываем </translation>
    </message>
    <message>
        <source>--- read MAIN back</source>
        <translation>--- читаем MAIN обратно</translation>
    </message>
    <message>
        <source>cannot create a file for the read-back: </source>
        <translation>не удаётся создать файл для обратного чтения: </translation>
    </message>
    <message>
        <source>The JIG programmer: read, erase and write an embedded controller&apos;s flash.</source>
        <translation>Программатор JIG: чтение, стирание и запись флеш-памяти мультиконтроллера.</translation>
    </message>
    <message>
        <source>Print the program&apos;s and the JIG protocol&apos;s version and exit</source>
        <translation>Показать версию программы и протокола JIG и выйти</translation>
    </message>
    <message>
        <source>usb (default), usb:SERIAL (only that device), tty:PATH or sim[:BOARD]</source>
        <translation>usb (по умолчанию), usb:SERIAL (только это устройство), tty:PATH или sim[:BOARD]</translation>
    </message>
    <message>
        <source>simulated JIG: a JSON scenario</source>
        <translation>симулятор JIG: сценарий JSON</translation>
    </message>
    <message>
        <source>simulated JIG: wire (default) or instant</source>
        <translation>симулятор JIG: wire (по умолчанию) или instant</translation>
    </message>
    <message>
        <source>en, ru or original (the texts as the JIG&apos;s program always wrote them); default: the last choice in the window, else the system&apos;s language</source>
        <translation>en, ru или original (тексты, как их всегда писала программа JIG); по умолчанию: последний выбор в окне, иначе язык системы</translation>
    </message>
    <message>
        <source>unknown option %1
Run with --help for more information.</source>
        <translation>неизвестный параметр %1
Подробнее: запустите с --help.</translation>
    </message>
    <message>
        <source>usb (default), usb:SERIAL (only the device with that serial number, see &quot;list&quot;), tty:PATH, or sim[:BOARD] with BOARD one of pcb3, pcb3-old, pcb2-v41, pcb2-v42, pcb2-ite, pcb2-npce</source>
        <translation>usb (по умолчанию), usb:SERIAL (только устройство с этим серийным номером, см. &quot;list&quot;), tty:PATH или sim[:BOARD], где BOARD одна из pcb3, pcb3-old, pcb2-v41, pcb2-v42, pcb2-ite, pcb2-npce</translation>
    </message>
    <message>
        <source>simulated JIG: a JSON scenario (board, chips, wiring, faults)</source>
        <translation>симулятор JIG: сценарий JSON (плата, микросхемы, подключение, неисправности)</translation>
    </message>
    <message>
        <source>simulated JIG: wire (default, real speeds) or instant</source>
        <translation>симулятор JIG: wire (по умолчанию, реальные скорости) или instant</translation>
    </message>
    <message>
        <source>Exit status: %1.</source>
        <translation>Код завершения: %1.</translation>
    </message>
    <message>
        <source>The JIG programmer&apos;s operations without a window.</source>
        <translation>Операции программатора JIG без окон.</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the operation failed, 2 no usable JIG, 64 wrong usage.
Each command has its own --help.</source>
        <translation>Код завершения: 0 выполнено, 1 операция не удалась, 2 нет рабочего JIG, 64 неверный вызов.
У каждой команды свой --help.</translation>
    </message>
    <message>
        <source>en, ru or original (the texts as the JIG&apos;s program always wrote them, English and Russian mixed); default: $TOLVANE_LANG, else the system&apos;s language</source>
        <translation>en, ru или original (тексты, как их всегда писала программа JIG, английский вперемешку с русским); по умолчанию: $TOLVANE_LANG, иначе язык системы</translation>
    </message>
    <message>
        <source>do not read the chip into a backup file (in ~/.local/share/tolvane-jig/backups) before erasing or writing it</source>
        <translation>не читать микросхему в резервный файл (в ~/.local/share/tolvane-jig/backups) перед стиранием или записью</translation>
    </message>
    <message>
        <source>erase even when the backup reads blank (all FFh or 00h), which is also what a read that never reached the chip gives</source>
        <translation>стирать, даже если резервная копия пустая (все FFh или 00h) — то же даёт и чтение, не дошедшее до микросхемы</translation>
    </message>
    <message>
        <source>read the chip twice and compare: any difference fails the read (a loose clip or a long wire)</source>
        <translation>читать микросхему дважды и сравнивать: любое расхождение — ошибка чтения (плохой контакт клипсы или длинный провод)</translation>
    </message>
    <message>
        <source>Stopped at once: the operation did not end cleanly.</source>
        <translation>Остановлено немедленно: операция не завершилась штатно.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>его невозможно прочитать</translation>
    </message>
    <message>
        <source>--block takes a number of bytes from 1 on, not &quot;%1&quot;</source>
        <translation>--block принимает число байт от 1, а не &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 is %2 bytes, %3 %4: the bytes from %5 on are only in %6</source>
        <translation>%1: %2 байт, %3: %4; байты начиная с %5 есть только в %6</translation>
    </message>
    <message>
        <source>%1 and %2 are the same (%3 bytes)</source>
        <translation>%1 и %2 совпадают (%3 байт)</translation>
    </message>
    <message>
        <source>%1 bytes differ in %2 places</source>
        <translation>различается байт: %1, мест: %2</translation>
    </message>
    <message>
        <source>Compare two dumps: the ranges where they differ</source>
        <translation>Сравнить два дампа: диапазоны, где они различаются</translation>
    </message>
    <message>
        <source>Prints every range where A.bin and B.bin differ: its offset, its length and the bytes of each (A / B, at most 16 of a range shown), and where one file is longer; then the map of A.bin that &quot;show&quot; prints, with X for each block that differs from B.bin. Needs no JIG.</source>
        <translation>Выводит каждый диапазон, где A.bin и B.bin различаются: смещение, длину и байты каждого (A / B, не более 16 на диапазон), и где один файл длиннее; затем карту A.bin, как её выводит &quot;show&quot;, с X на каждом блоке, отличном от B.bin. JIG не нужен.</translation>
    </message>
    <message>
        <source>the first file</source>
        <translation>первый файл</translation>
    </message>
    <message>
        <source>the second file</source>
        <translation>второй файл</translation>
    </message>
    <message>
        <source>bytes a block of the map (default 4096, less for a small file)</source>
        <translation>байт в блоке карты (по умолчанию 4096, меньше для маленького файла)</translation>
    </message>
    <message>
        <source>0 the same, 1 they differ, 2 a file cannot be read, 64 wrong usage (as cmp)</source>
        <translation>0 совпадают, 1 различаются, 2 файл не читается, 64 неверный вызов (как у cmp)</translation>
    </message>
    <message>
        <source>Show what a dump holds, block by block</source>
        <translation>Показать содержимое дампа по блокам</translation>
    </message>
    <message>
        <source>Prints the file&apos;s size, CRC-32 and SHA-256 and its map: one character a block, # data, . all FFh, 0 all 00h, 64 blocks a line after the offset of the first. Needs no JIG.</source>
        <translation>Выводит размер файла, CRC-32 и SHA-256 и его карту: один символ на блок, # данные, . все FFh, 0 все 00h, 64 блока в строке после смещения первого. JIG не нужен.</translation>
    </message>
    <message>
        <source>the dump</source>
        <translation>дамп</translation>
    </message>
    <message>
        <source>bytes a block (default 4096, less for a small file)</source>
        <translation>байт в блоке (по умолчанию 4096, меньше для маленького файла)</translation>
    </message>
    <message>
        <source>0 shown, 2 the file cannot be read, 64 wrong usage</source>
        <translation>0 показано, 2 файл не читается, 64 неверный вызов</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Показать эту справку и выйти</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Использование</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>ПАРАМЕТРЫ</translation>
    </message>
    <message>
        <source>SUBCOMMAND</source>
        <translation>КОМАНДА</translation>
    </message>
    <message>
        <source>SUBCOMMANDS</source>
        <translation>КОМАНДЫ</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>ОБЯЗАТЕЛЬНО</translation>
    </message>
    <message>
        <source>Positionals</source>
        <translation>Аргументы</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <translation>Команды</translation>
    </message>
    <message>
        <source>Run with --help for more information.</source>
        <translation>Подробнее: запустите с --help.</translation>
    </message>
    <message>
        <source>Identify the JIG: version text and board</source>
        <translation>Опознать JIG: строка версии и плата</translation>
    </message>
    <message>
        <source>Finds the JIG, identifies it and prints its version text and board (PCB2 or PCB3).</source>
        <translation>Находит JIG, опознаёт его и выводит строку версии и плату (PCB2 или PCB3).</translation>
    </message>
    <message>
        <source>0 identified, 2 no JIG (&quot;FTDI device not found&quot; or &quot;FTDI found, ERROR answer&quot;), 64 wrong usage</source>
        <translation>0 опознан, 2 нет JIG (&quot;Устройство FTDI не найдено&quot; или &quot;FTDI найдено, ошибка ответа&quot;), 64 неверный вызов</translation>
    </message>
    <message>
        <source>--last takes a number of records from 1 on, not &quot;%1&quot;</source>
        <translation>--last принимает число записей от 1, а не &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Journal: %1 (%2 operations)</source>
        <translation>Журнал: %1 (операций: %2)</translation>
    </message>
    <message>
        <source>%1 lines of the journal are not records</source>
        <translation>строк журнала, не являющихся записями: %1</translation>
    </message>
    <message>
        <source>Print the journal of operations</source>
        <translation>Вывести журнал операций</translation>
    </message>
    <message>
        <source>Prints the journal every read, write, erase and check appends to, from the program and from this command line: time, mode, JIG, chip ID, operation, file with its size and SHA-256, backup, result and the step that failed. It lies in the user&apos;s data folder ($XDG_DATA_HOME/tolvane-jig, else ~/.local/share/tolvane-jig). An erase or write whose end was never recorded shows as &quot;no end: the program stopped during this operation&quot;.</source>
        <translation>Выводит журнал, в который пишет каждое чтение, запись, стирание и проверка — из программы и из этой командной строки: время, режим, JIG, ID микросхемы, операция, файл с размером и SHA-256, резервная копия, результат и шаг, на котором произошла ошибка. Журнал лежит в папке данных пользователя ($XDG_DATA_HOME/tolvane-jig, иначе ~/.local/share/tolvane-jig). Стирание или запись без записанного конца показываются как &quot;no end: the program stopped during this operation&quot;.</translation>
    </message>
    <message>
        <source>only the last N operations</source>
        <translation>только последние N операций</translation>
    </message>
    <message>
        <source>0 printed, 1 the journal cannot be read, 64 wrong usage</source>
        <translation>0 выведено, 1 журнал не читается, 64 неверный вызов</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>нет ответа</translation>
    </message>
    <message>
        <source>The FTDI device list cannot be read (%1)</source>
        <translation>Не удаётся получить список устройств FTDI (%1)</translation>
    </message>
    <message>
        <source>(no description)</source>
        <translation>(нет описания)</translation>
    </message>
    <message>
        <source>index  serial number     description                              answer</source>
        <translation>номер  серийный номер     описание                                 ответ</translation>
    </message>
    <message>
        <source>index  serial number     description</source>
        <translation>номер  серийный номер     описание</translation>
    </message>
    <message>
        <source>List the FTDI devices: index, serial number, description</source>
        <translation>Список устройств FTDI: номер, серийный номер, описание</translation>
    </message>
    <message>
        <source>Lists every FTDI device the chosen backend sees, in the order the program tries them, with its serial number and description. --identify also asks each one for its JIG&apos;s version. Use --device usb:SERIAL to give every other command one of them.</source>
        <translation>Перечисляет все устройства FTDI, которые видит выбранный драйвер, в том порядке, в каком программа их перебирает, с серийным номером и описанием. С --identify ещё и спрашивает у каждого версию его JIG. Чтобы любая другая команда работала с одним из них, укажите --device usb:SERIAL.</translation>
    </message>
    <message>
        <source>ask each device for its JIG&apos;s identification answer</source>
        <translation>спросить у каждого устройства ответ его JIG на опознание</translation>
    </message>
    <message>
        <source>0 listed, 2 no FTDI device, 64 wrong usage</source>
        <translation>0 выведено, 2 нет устройства FTDI, 64 неверный вызов</translation>
    </message>
    <message>
        <source>--mode is one of:</source>
        <translation>--mode принимает одно из:</translation>
    </message>
    <message>
        <source>The JIG&apos;s firmware is being written: it goes on to its end (a second Ctrl-C ends at once and leaves the JIG without a working firmware).</source>
        <translation>Идёт запись прошивки JIG: она продолжится до конца (второе Ctrl-C прервёт сразу и оставит JIG без рабочей прошивки).</translation>
    </message>
    <message>
        <source>The firmware switch goes on to its end (a second Ctrl-C ends at once).</source>
        <translation>Смена прошивки продолжится до конца (второе Ctrl-C прервёт сразу).</translation>
    </message>
    <message>
        <source>JIG ready for %1</source>
        <translation>JIG готов к режиму %1</translation>
    </message>
    <message>
        <source>Make the JIG run a working mode&apos;s firmware</source>
        <translation>Запустить на JIG прошивку рабочего режима</translation>
    </message>
    <message>
        <source>Start as the main window does it: identifies the JIG and makes it run the firmware of the working mode NAME (&quot;ENE KB90XX&quot;, &quot;MEC jtag&quot;, &quot;ITE&quot;, &quot;NUVOTON spi&quot;, &quot;NUVOTON jtag&quot;, &quot;EDID lcd&quot; or &quot;Keyboard testing&quot;): a PCB2 is reflashed over its bootloader, an outdated PCB3 is updated from its package. Prints the update window&apos;s lines. When the JIG&apos;s reset button is needed the lines say so: a PCB2 bootloader must greet within 5 s, a PCB3 bootloader within 120 s.</source>
        <translation>Старт, как в главном окне: опознаёт JIG и запускает на нём прошивку рабочего режима NAME (&quot;ENE KB90XX&quot;, &quot;MEC jtag&quot;, &quot;ITE&quot;, &quot;NUVOTON spi&quot;, &quot;NUVOTON jtag&quot;, &quot;EDID lcd&quot; или &quot;Keyboard testing&quot;): PCB2 перепрошивается через загрузчик, устаревшая PCB3 обновляется из пакета. Выводит строки окна обновления. Когда нужна кнопка сброса JIG, строки об этом скажут: загрузчик PCB2 должен ответить за 5 с, загрузчик PCB3 — за 120 с.</translation>
    </message>
    <message>
        <source>the working mode, as the main window&apos;s list names it</source>
        <translation>рабочий режим, как он назван в списке главного окна</translation>
    </message>
    <message>
        <source>0 the JIG runs the mode&apos;s firmware, 1 the switch failed, 2 no JIG, 64 no such mode or wrong usage</source>
        <translation>0 на JIG работает прошивка режима, 1 смена не удалась, 2 нет JIG, 64 нет такого режима или неверный вызов</translation>
    </message>
    <message>
        <source>Keyboard matrix tester</source>
        <translation>Проверка матрицы клавиатуры</translation>
    </message>
    <message>
        <source>Nuvoton NPCE288N/388N flash over SPI</source>
        <translation>Флеш Nuvoton NPCE288N/388N по SPI</translation>
    </message>
    <message>
        <source>Nuvoton NPCE flash over JTAG, prepared by a .vss script</source>
        <translation>Флеш Nuvoton NPCE по JTAG, подготовка скриптом .vss</translation>
    </message>
    <message>
        <source>ENE KB9010/9012/9016/9022 flash</source>
        <translation>Флеш ENE KB9010/9012/9016/9022</translation>
    </message>
    <message>
        <source>Microchip MEC16xx over JTAG</source>
        <translation>Microchip MEC16xx по JTAG</translation>
    </message>
    <message>
        <source>A panel&apos;s EDID EEPROM</source>
        <translation>EEPROM EDID матрицы</translation>
    </message>
    <message>
        <source>ITE EC flash over the keyboard connector</source>
        <translation>Флеш мультиконтроллера ITE через разъём клавиатуры</translation>
    </message>
</context>
<context>
    <name>Common</name>
    <message>
        <source>A late answer from the JIG was dropped (%1: %2 bytes)</source>
        <translation>Запоздалый ответ JIG отброшен (%1: %2 байт)</translation>
    </message>
    <message>
        <source>Error writing the file %1: %2</source>
        <translation>Ошибка записи файла %1: %2</translation>
    </message>
    <message>
        <source>block %1 of %2 went out unconfirmed</source>
        <translation>блок %1 из %2 отправлен без подтверждения</translation>
    </message>
    <message>
        <source>The chip is unchanged.</source>
        <translation>Микросхема не изменена.</translation>
    </message>
    <message>
        <source>The chip may be partly written (%1).</source>
        <translation>Микросхема, возможно, частично записана (%1).</translation>
    </message>
    <message>
        <source>The chip may be partly erased.</source>
        <translation>Микросхема, возможно, частично стёрта.</translation>
    </message>
    <message>
        <source>The chip is erased.</source>
        <translation>Микросхема стёрта.</translation>
    </message>
    <message>
        <source>The chip is erased, and %1.</source>
        <translation>Микросхема стёрта, и %1.</translation>
    </message>
    <message>
        <source>The chip is partly written (blocks 1 to %1 of %2).</source>
        <translation>Микросхема записана частично (блоки с 1 по %1 из %2).</translation>
    </message>
    <message>
        <source>The chip is partly written (blocks 1 to %1 of %2; %3).</source>
        <translation>Микросхема записана частично (блоки с 1 по %1 из %2; %3).</translation>
    </message>
    <message>
        <source>The chip is written but not verified.</source>
        <translation>Микросхема записана, но не проверена.</translation>
    </message>
    <message>
        <source>The chip is written and verified.</source>
        <translation>Микросхема записана и проверена.</translation>
    </message>
    <message>
        <source> No backup was taken.</source>
        <translation> Резервная копия не сделана.</translation>
    </message>
    <message>
        <source> Backup: %1.</source>
        <translation> Резервная копия: %1.</translation>
    </message>
    <message>
        <source>Stopped at the technician&apos;s request.</source>
        <translation>Остановлено по команде оператора.</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>его не удаётся прочитать</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>файл пустой</translation>
    </message>
    <message>
        <source>larger than the %1 bytes the chip takes</source>
        <translation>больше %1 байт, которые вмещает микросхема</translation>
    </message>
    <message>
        <source>a folder, not a file</source>
        <translation>это папка, а не файл</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>no free name for the new file</source>
        <translation>нет свободного имени для нового файла</translation>
    </message>
    <message>
        <source>The %1 bytes received could not be kept in %2 (%3); %4 is unchanged.</source>
        <translation>Принятые %1 байт не удалось сохранить в %2 (%3); %4 не изменён.</translation>
    </message>
    <message>
        <source>The %1 bytes received are kept in %2; %3 is unchanged.</source>
        <translation>Принятые %1 байт сохранены в %2; %3 не изменён.</translation>
    </message>
    <message>
        <source>%1 bytes, larger than the %2 bytes allowed</source>
        <translation>%1 байт, больше допустимых %2 байт</translation>
    </message>
    <message>
        <source>Image: %1 bytes, CRC-32 %2, SHA-256 %3</source>
        <translation>Образ: %1 байт, CRC-32 %2, SHA-256 %3</translation>
    </message>
    <message>
        <source>Warning: every byte is FFh: a blank chip, or nothing was read at all.</source>
        <translation>Внимание: все байты FFh: микросхема чистая, или ничего не прочитано.</translation>
    </message>
    <message>
        <source>Warning: every byte is 00h: a data line held low?</source>
        <translation>Внимание: все байты 00h: линия данных замкнута на землю?</translation>
    </message>
    <message>
        <source>%1, %2 byte: %3 / %4</source>
        <translation>%1, %2 байт: %3 / %4</translation>
    </message>
    <message>
        <source>%1, %2 bytes: %3 / %4</source>
        <translation>%1, %2 байт: %3 / %4</translation>
    </message>
    <message>
        <source>The journal could not be written (%1: %2)</source>
        <translation>Не удалось записать журнал (%1: %2)</translation>
    </message>
    <message>
        <source>The chip reads blank (all %1). A failed read looks the same.</source>
        <translation>Микросхема читается чистой (все %1). Неудачное чтение выглядит так же.</translation>
    </message>
    <message>
        <source>Erasing anyway (--force).</source>
        <translation>Всё равно стираем (--force).</translation>
    </message>
    <message>
        <source>Erasing anyway: the technician agreed.</source>
        <translation>Всё равно стираем: оператор согласился.</translation>
    </message>
    <message>
        <source>Nothing was erased or written: the backup reads blank.</source>
        <translation>Ничего не стёрто и не записано: резервная копия читается чистой.</translation>
    </message>
    <message>
        <source>Nothing was erased or written: the backup reads blank (--force erases anyway).</source>
        <translation>Ничего не стёрто и не записано: резервная копия читается чистой (с --force стирание всё равно выполняется).</translation>
    </message>
    <message>
        <source>Backup: reading the chip before anything is erased or written ...</source>
        <translation>Резервная копия: читаем микросхему перед стиранием или записью ...</translation>
    </message>
    <message>
        <source>The backup read failed: nothing was erased or written.</source>
        <translation>Чтение резервной копии не удалось: ничего не стёрто и не записано.</translation>
    </message>
    <message>
        <source>The backup read gave no bytes: nothing was erased or written.</source>
        <translation>Чтение резервной копии не дало ни одного байта: ничего не стёрто и не записано.</translation>
    </message>
    <message>
        <source>The backup could not be saved in %1 (%2): nothing was erased or written.</source>
        <translation>Резервную копию не удалось сохранить в %1 (%2): ничего не стёрто и не записано.</translation>
    </message>
    <message>
        <source>Backup saved: </source>
        <translation>Резервная копия сохранена: </translation>
    </message>
    <message>
        <source>Reading a second time to compare ...</source>
        <translation>Читаем второй раз для сравнения ...</translation>
    </message>
    <message>
        <source>Both reads are the same.</source>
        <translation>Оба чтения совпадают.</translation>
    </message>
    <message>
        <source>The two reads differ in size: %1 and %2 bytes.</source>
        <translation>Два чтения различаются по размеру: %1 и %2 байт.</translation>
    </message>
    <message>
        <source>The two reads differ in %1 bytes (a loose clip or a long wire, not the chip?), first read / second read:</source>
        <translation>Два чтения различаются в %1 байтах (плохой контакт клипсы или длинный провод, а не микросхема?), первое чтение / второе чтение:</translation>
    </message>
    <message>
        <source>  at </source>
        <translation>  по адресу </translation>
    </message>
    <message>
        <source>  ... and %1 more places</source>
        <translation>  ... и ещё %1 мест</translation>
    </message>
    <message>
        <source>The chip reads blank. A failed read looks the same. Erase anyway?</source>
        <translation>Микросхема читается чистой. Неудачное чтение выглядит так же. Всё равно стереть?</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>файл не открыт</translation>
    </message>
    <message>
        <source>nothing written</source>
        <translation>ничего не записано</translation>
    </message>
    <message>
        <source>the folder cannot be created or written</source>
        <translation>папку невозможно создать или записать в неё</translation>
    </message>
    <message>
        <source>no free file name</source>
        <translation>нет свободного имени файла</translation>
    </message>
    <message>
        <source>Map: %1 blocks of %2 bytes: %3 data, %4 all FFh, %5 all 00h</source>
        <translation>Карта: %1 блоков по %2 байт: %3 с данными, %4 все FFh, %5 все 00h</translation>
    </message>
    <message>
        <source>Legend: # data  . all FFh  0 all 00h</source>
        <translation>Обозначения: # данные  . все FFh  0 все 00h</translation>
    </message>
    <message>
        <source>%1 differ</source>
        <translation>%1 различаются</translation>
    </message>
    <message>
        <source>  X differs</source>
        <translation>  X различается</translation>
    </message>
    <message>
        <source>%1 not compared</source>
        <translation>%1 не сравнено</translation>
    </message>
    <message>
        <source>  ? not compared</source>
        <translation>  ? не сравнено</translation>
    </message>
    <message>
        <source>%1 cannot be created or written</source>
        <translation>%1: невозможно создать или записать</translation>
    </message>
    <message>
        <source>the line was cut short</source>
        <translation>строка записана не полностью</translation>
    </message>
    <message>
        <source>    JIG: %1</source>
        <translation>    JIG: %1</translation>
    </message>
    <message>
        <source>   chip ID: %1</source>
        <translation>   ID микросхемы: %1</translation>
    </message>
    <message>
        <source>    file: %1</source>
        <translation>    файл: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 байт</translation>
    </message>
    <message>
        <source>    backup: %1</source>
        <translation>    резервная копия: %1</translation>
    </message>
    <message>
        <source>%1 not found (looked in %2)</source>
        <translation>%1 не найден (искали в %2)</translation>
    </message>
    <message>
        <source>started</source>
        <translation>начата</translation>
    </message>
    <message>
        <source>done</source>
        <translation>выполнено</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>ошибка</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>остановлено</translation>
    </message>
    <message>
        <source>no JIG</source>
        <translation>нет JIG</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>отменено</translation>
    </message>
    <message>
        <source>read</source>
        <translation>чтение</translation>
    </message>
    <message>
        <source>write</source>
        <translation>запись</translation>
    </message>
    <message>
        <source>erase</source>
        <translation>стирание</translation>
    </message>
    <message>
        <source>check</source>
        <translation>проверка</translation>
    </message>
    <message>
        <source>verify</source>
        <translation>сверка</translation>
    </message>
    <message>
        <source>(simulated)</source>
        <translation>(симулятор)</translation>
    </message>
    <message>
        <source>no end: the program stopped during this operation</source>
        <translation>нет конца: программа остановилась во время этой операции</translation>
    </message>
</context>
<context>
    <name>Gui</name>
    <message>
        <source>data</source>
        <translation>данные</translation>
    </message>
    <message>
        <source>all FFh</source>
        <translation>все FFh</translation>
    </message>
    <message>
        <source>all 00h</source>
        <translation>все 00h</translation>
    </message>
    <message>
        <source>differs from the file</source>
        <translation>отличается от файла</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>не проверено</translation>
    </message>
    <message>
        <source>Dump map: %1</source>
        <translation>Карта дампа: %1</translation>
    </message>
    <message>
        <source>Verify of %1 - %2</source>
        <translation>Проверка %1 - %2</translation>
    </message>
    <message>
        <source>Size     %1 bytes
CRC-32   %2
SHA-256  %3</source>
        <translation>Размер   %1 байт
CRC-32   %2
SHA-256  %3</translation>
    </message>
    <message>
        <source>Block %1 of %2: offset 0x%3, %4 bytes (click a block to see another)</source>
        <translation>Блок %1 из %2: смещение 0x%3, %4 байт (щёлкните по блоку, чтобы увидеть другой)</translation>
    </message>
    <message>
        <source>Where the chip differs (file / chip):</source>
        <translation>Где микросхема отличается (файл / микросхема):</translation>
    </message>
    <message>
        <source>The file:</source>
        <translation>Файл:</translation>
    </message>
    <message>
        <source>The chip:</source>
        <translation>Микросхема:</translation>
    </message>
    <message>
        <source>Back up the chip before erasing or writing</source>
        <translation>Резервная копия микросхемы перед стиранием или записью</translation>
    </message>
    <message>
        <source>Read twice and compare</source>
        <translation>Читать дважды и сравнивать</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>The JIG is in use by another program</source>
        <translation>JIG занят другой программой</translation>
    </message>
    <message>
        <source>I can not get a list of VCOM ports</source>
        <translation>Не удаётся получить список VCOM портов</translation>
    </message>
    <message>
        <source>VCOM port is not found on the machine!</source>
        <translation>VCOM порт на компьютере не найден!</translation>
    </message>
    <message>
        <source>Number of VCOM ports found on the machine: </source>
        <translation>Найдено VCOM портов на компьютере: </translation>
    </message>
    <message>
        <source>It is necessary to update the firmware programmer!</source>
        <translation>Необходимо обновить прошивку программатора!</translation>
    </message>
    <message>
        <source>Communication with programmer installed.</source>
        <translation>Связь с программатором установлена.</translation>
    </message>
    <message>
        <source>The JIG&apos;s firmware does not serve this mode: tolvane-jig-cli start --mode &quot;%1&quot; (or choosing the mode in the main window) loads the one it needs.</source>
        <translation>Прошивка JIG не поддерживает этот режим: нужную загружает tolvane-jig-cli start --mode &quot;%1&quot; (или выбор режима в главном окне).</translation>
    </message>
    <message>
        <source>Timeout: no answer from the JIG (%1)</source>
        <translation>Тайм-аут: JIG не отвечает (%1)</translation>
    </message>
    <message>
        <source>Cancelled while waiting for the JIG (%1)</source>
        <translation>Отменено во время ожидания JIG (%1)</translation>
    </message>
    <message>
        <source>The JIG was lost (%1)</source>
        <translation>Связь с JIG потеряна (%1)</translation>
    </message>
    <message>
        <source>Unexpected answer from the JIG (%1)</source>
        <translation>Неожиданный ответ JIG (%1)</translation>
    </message>
    <message>
        <source>%1: %2 bytes</source>
        <translation>%1: %2 байт</translation>
    </message>
    <message>
        <source>--&gt;  The programmer is not found or does not respond</source>
        <translation>--&gt;  Программатор не найден или не отвечает</translation>
    </message>
    <message>
        <source>Programmer FW version -&gt; </source>
        <translation>Версия FW программатора -&gt; </translation>
    </message>
    <message>
        <source>Версия FW программатора -&gt; </source>
        <translation>Версия FW программатора -&gt; </translation>
    </message>
    <message>
        <source>Version FW -&gt; </source>
        <translation>Версия прошивки -&gt; </translation>
    </message>
    <message>
        <source>The programmer is not found or does not respond</source>
        <translation>Программатор не найден или не отвечает</translation>
    </message>
    <message>
        <source>Journal of operations -&gt; %1</source>
        <translation>Журнал операций -&gt; %1</translation>
    </message>
    <message>
        <source>Backups -&gt; %1</source>
        <translation>Резервные копии -&gt; %1</translation>
    </message>
    <message>
        <source>(no serial number)</source>
        <translation>(нет серийного номера)</translation>
    </message>
    <message>
        <source>The JIG %1 is not plugged in: working on the JIG %2 instead.</source>
        <translation>JIG %1 не подключён: работаем с JIG %2.</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>готово</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>истекло время ожидания</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>отменено</translation>
    </message>
    <message>
        <source>device error</source>
        <translation>ошибка устройства</translation>
    </message>
    <message>
        <source>FTDI device not found</source>
        <translation>Устройство FTDI не найдено</translation>
    </message>
    <message>
        <source>FTDI found, ERROR answer</source>
        <translation>FTDI найдено, ошибка ответа</translation>
    </message>
    <message>
        <source>ReadThread_UPD start ... </source>
        <translation>Запуск ReadThread_UPD ... </translation>
    </message>
    <message>
        <source>User select -&gt; %1</source>
        <translation>Выбор пользователя -&gt; %1</translation>
    </message>
    <message>
        <source>Go to application. End.</source>
        <translation>Переход к режиму. Конец.</translation>
    </message>
    <message>
        <source>JIG ver3 start update FW</source>
        <translation>JIG ver3: начало обновления прошивки</translation>
    </message>
    <message>
        <source>ERROR answer bootloader </source>
        <translation>ОШИБКА ответа загрузчика </translation>
    </message>
    <message>
        <source>Bootloader answer OK</source>
        <translation>Загрузчик ответил, OK</translation>
    </message>
    <message>
        <source>UPDATE FW successfully.</source>
        <translation>Прошивка обновлена успешно.</translation>
    </message>
    <message>
        <source>%1 OK</source>
        <translation>%1 OK</translation>
    </message>
    <message>
        <source>Error %1</source>
        <translation>Ошибка %1</translation>
    </message>
    <message>
        <source>Error numDevs = 0</source>
        <translation>Ошибка: numDevs = 0</translation>
    </message>
    <message>
        <source>Open  numDevs -&gt; %1</source>
        <translation>Открытие, numDevs -&gt; %1</translation>
    </message>
    <message>
        <source>ERROR FT_Open</source>
        <translation>ОШИБКА FT_Open</translation>
    </message>
    <message>
        <source>FT_GetDriverVersion OK    (%1)</source>
        <translation>FT_GetDriverVersion OK    (%1)</translation>
    </message>
    <message>
        <source>Read answer version bytes -&gt; %1</source>
        <translation>Прочитано байт ответа версии -&gt; %1</translation>
    </message>
    <message>
        <source>NOT ANSWER </source>
        <translation>НЕТ ОТВЕТА </translation>
    </message>
    <message>
        <source>usb: needs a serial number, for example usb:FT1ABCDE (tolvane-jig-cli list shows them)</source>
        <translation>usb: нужен серийный номер, например usb:FT1ABCDE (их показывает tolvane-jig-cli list)</translation>
    </message>
    <message>
        <source>tty: needs a path, for example tty:/dev/ttyUSB0</source>
        <translation>tty: нужен путь, например tty:/dev/ttyUSB0</translation>
    </message>
    <message>
        <source>--timing is instant or wire, not %1</source>
        <translation>--timing принимает instant или wire, а не %1</translation>
    </message>
    <message>
        <source>unknown device &quot;%1&quot; (usb, usb:SERIAL, tty:PATH or sim[:BOARD])</source>
        <translation>неизвестное устройство &quot;%1&quot; (usb, usb:SERIAL, tty:PATH или sim[:BOARD])</translation>
    </message>
</context>
<context>
    <name>Mec</name>
    <message>
        <source>REG FFFD00h -&gt; </source>
        <translation>Регистр FFFD00h -&gt; </translation>
    </message>
    <message>
        <source>Потеряна связь с MEC (I100)</source>
        <translation>Потеряна связь с MEC (I100)</translation>
    </message>
    <message>
        <source>REG FF3908h -&gt; </source>
        <translation>Регистр FF3908h -&gt; </translation>
    </message>
    <message>
        <source>Потеряна связь с MEC (I101)</source>
        <translation>Потеряна связь с MEC (I101)</translation>
    </message>
    <message>
        <source>REG FF3910h -&gt; </source>
        <translation>Регистр FF3910h -&gt; </translation>
    </message>
    <message>
        <source>Потеряна связь с MEC (I102)</source>
        <translation>Потеряна связь с MEC (I102)</translation>
    </message>
    <message>
        <source>REG FF390Ch -&gt; </source>
        <translation>Регистр FF390Ch -&gt; </translation>
    </message>
    <message>
        <source>Потеряна связь с MEC (I103)</source>
        <translation>Потеряна связь с MEC (I103)</translation>
    </message>
    <message>
        <source>ID from MEC -&gt; </source>
        <translation>ID от MEC -&gt; </translation>
    </message>
    <message>
        <source>Close VCOM port</source>
        <translation>Закрыли VCOM порт</translation>
    </message>
    <message>
        <source>Укажите имя файла для сохранения.</source>
        <translation>Укажите имя файла для сохранения.</translation>
    </message>
    <message>
        <source>BIN файл MEC16 (*.bin)|*.bin</source>
        <translation>BIN файл MEC16 (*.bin)|*.bin</translation>
    </message>
    <message>
        <source>User break</source>
        <translation>Отменено пользователем</translation>
    </message>
    <message>
        <source>Error create file</source>
        <translation>Ошибка создания файла</translation>
    </message>
    <message>
        <source>Write to file: </source>
        <translation>Записываем в файл: </translation>
    </message>
    <message>
        <source>Read FLASH and INFO to file</source>
        <translation>Читаем FLASH и INFO в файл</translation>
    </message>
    <message>
        <source>Read only FLASH to file</source>
        <translation>Читаем в файл только FLASH</translation>
    </message>
    <message>
        <source>Read FLASH MEC ...</source>
        <translation>Читаем FLASH MEC ...</translation>
    </message>
    <message>
        <source>Invalid ID. Read break!</source>
        <translation>Неверный ID. Чтение прервано!</translation>
    </message>
    <message>
        <source>Write to reg FF3910h 1</source>
        <translation>Записали в регистр FF3910h 1</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC (R100)</source>
        <translation>Потеряна связь с MEC (R100)</translation>
    </message>
    <message>
        <source>Write to reg FF3908h 105h</source>
        <translation>Записали в регистр FF3908h 105h</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC (R101)</source>
        <translation>Потеряна связь с MEC (R101)</translation>
    </message>
    <message>
        <source>INFO is not erased: the erase was not confirmed.</source>
        <translation>INFO не стёрт: стирание не подтверждено.</translation>
    </message>
    <message>
        <source>Укажите файл за заливки.</source>
        <translation>Укажите файл для заливки.</translation>
    </message>
    <message>
        <source>BIN файл MEC16 (*.bin)|*.bin|Другие|*.*</source>
        <translation>BIN файл MEC16 (*.bin)|*.bin|Другие|*.*</translation>
    </message>
    <message>
        <source>Операция записи прервана</source>
        <translation>Операция записи прервана</translation>
    </message>
    <message>
        <source>Закрыли VCOM порт</source>
        <translation>Закрыли VCOM порт</translation>
    </message>
    <message>
        <source>Записываем в файл: </source>
        <translation>Записываем из файла: </translation>
    </message>
    <message>
        <source>Выбрана запись только MAIN блока</source>
        <translation>Выбрана запись только MAIN блока</translation>
    </message>
    <message>
        <source>Начали запись MEC16 main block ...</source>
        <translation>Начали запись MAIN блока MEC16 ...</translation>
    </message>
    <message>
        <source>Ошибка открытия файла</source>
        <translation>Ошибка открытия файла</translation>
    </message>
    <message>
        <source>Получен ID от MEC16 -&gt; </source>
        <translation>Получен ID от MEC16 -&gt; </translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (E100)</source>
        <translation>Потеряна связь с MEC16 (E100)</translation>
    </message>
    <message>
        <source>Регистр FF390Ch -&gt; </source>
        <translation>Регистр FF390Ch -&gt; </translation>
    </message>
    <message>
        <source>--&gt; Каманда стирания отменена.</source>
        <translation>--&gt; Команда стирания отменена.</translation>
    </message>
    <message>
        <source>Записали в регистр FF3910h 1</source>
        <translation>Записали в регистр FF3910h 1</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (E101)</source>
        <translation>Потеряна связь с MEC16 (E101)</translation>
    </message>
    <message>
        <source>Записали в регистр FF3908h 107h</source>
        <translation>Записали в регистр FF3908h 107h</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (E102)</source>
        <translation>Потеряна связь с MEC16 (E102)</translation>
    </message>
    <message>
        <source>Отправили команду стирания.</source>
        <translation>Отправили команду стирания.</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (E103)</source>
        <translation>Потеряна связь с MEC16 (E103)</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (E104)</source>
        <translation>Потеряна связь с MEC16 (E104)</translation>
    </message>
    <message>
        <source>Cancelled while the MEC16 was erasing (busy poll of FF390Ch)</source>
        <translation>Отменено, пока MEC16 стирался (опрос занятости FF390Ch)</translation>
    </message>
    <message>
        <source>Timeout: the MEC16 was still erasing after %1 (busy poll of FF390Ch)</source>
        <translation>Тайм-аут: MEC16 всё ещё стирался через %1 (опрос занятости FF390Ch)</translation>
    </message>
    <message>
        <source>Стирание завершено успешно.</source>
        <translation>Стирание завершено успешно.</translation>
    </message>
    <message>
        <source>Записали в регистр FF3908h 100h</source>
        <translation>Записали в регистр FF3908h 100h</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (E105)</source>
        <translation>Потеряна связь с MEC16 (E105)</translation>
    </message>
    <message>
        <source>Записали в регистр FF3908h 0</source>
        <translation>Записали в регистр FF3908h 0</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (E106)</source>
        <translation>Потеряна связь с MEC16 (E106)</translation>
    </message>
    <message>
        <source>Записали в регистр FF3910h 0</source>
        <translation>Записали в регистр FF3910h 0</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (E107)</source>
        <translation>Потеряна связь с MEC16 (E107)</translation>
    </message>
    <message>
        <source>Lost communication with MEC (%1)</source>
        <translation>Потеряна связь с MEC (%1)</translation>
    </message>
    <message>
        <source>Lost communication with MEC: bad status after %1</source>
        <translation>Потеряна связь с MEC: плохой статус после %1</translation>
    </message>
    <message>
        <source>User break read ...</source>
        <translation>Чтение прервано пользователем ...</translation>
    </message>
    <message>
        <source>MAIN block %1 of %2</source>
        <translation>MAIN блок %1 из %2</translation>
    </message>
    <message>
        <source>Write to reg FF3908h 100h</source>
        <translation>Записали в регистр FF3908h 100h</translation>
    </message>
    <message>
        <source>INFO block %1 of %2</source>
        <translation>INFO блок %1 из %2</translation>
    </message>
    <message>
        <source>Lost communication with MEC (FF3908h = 100h)</source>
        <translation>Потеряна связь с MEC (FF3908h = 100h)</translation>
    </message>
    <message>
        <source>Lost communication with MEC (FF3908h = 0)</source>
        <translation>Потеряна связь с MEC (FF3908h = 0)</translation>
    </message>
    <message>
        <source>Lost communication with MEC (FF3910h = 0)</source>
        <translation>Потеряна связь с MEC (FF3910h = 0)</translation>
    </message>
    <message>
        <source>получили ответ после команды 1</source>
        <translation>получили ответ после команды 1</translation>
    </message>
    <message>
        <source>ID готово 4 байта но сняли меньше ОШИБКА</source>
        <translation>ОШИБКА: ID из 4 байт, но прочитано меньше</translation>
    </message>
    <message>
        <source>Write to reg FF3908h 0</source>
        <translation>Записали в регистр FF3908h 0</translation>
    </message>
    <message>
        <source>Write to reg FF3910h 0</source>
        <translation>Записали в регистр FF3910h 0</translation>
    </message>
    <message>
        <source>--&gt; FW write protect! (FWP ножка)</source>
        <translation>--&gt; Стоит защита записи! (ножка FWP)</translation>
    </message>
    <message>
        <source>--&gt; СТОИТ ЗАЩИТА ЗАПИСИ ! (FWP ножка)</source>
        <translation>--&gt; Стоит защита записи! (ножка FWP)</translation>
    </message>
    <message>
        <source>--&gt; Erase and Write allowed (FWP pin).</source>
        <translation>--&gt; Стирание и запись разрешены (ножка FWP).</translation>
    </message>
    <message>
        <source>--&gt; Стирание и запись разрешена (FWP ножка)</source>
        <translation>--&gt; Стирание и запись разрешены (ножка FWP)</translation>
    </message>
    <message>
        <source>--&gt; Boot_Lock! (защита загрузочного блока)</source>
        <translation>--&gt; Стоит Boot_Lock! (защита загрузочного блока)</translation>
    </message>
    <message>
        <source>--&gt; Стоит Boot_Lock ! (защита загрузочного блока)</source>
        <translation>--&gt; Стоит Boot_Lock! (защита загрузочного блока)</translation>
    </message>
    <message>
        <source>--&gt; Erase and Write boot allowed.</source>
        <translation>--&gt; Стирание и запись загрузочного блока разрешены.</translation>
    </message>
    <message>
        <source>--&gt; Стирание и запись загрузочного блока разрешена</source>
        <translation>--&gt; Стирание и запись загрузочного блока разрешены</translation>
    </message>
    <message>
        <source>No chip answered: check the JTAG wiring and that the board is powered.</source>
        <translation>Микросхема не отвечает: проверьте подключение JTAG и питание платы.</translation>
    </message>
    <message>
        <source>Запись блока INFO не готова</source>
        <translation>Запись блока INFO не готова</translation>
    </message>
    <message>
        <source>Автоматическая проверка не готова, но можно сравнить во </source>
        <translation>Автоматическая проверка не готова, но можно сравнить во </translation>
    </message>
    <message>
        <source>внешнем редакторе.</source>
        <translation>внешнем редакторе.</translation>
    </message>
    <message>
        <source>Перед записью необходимо стереть! </source>
        <translation>Перед записью необходимо стереть! </translation>
    </message>
    <message>
        <source>The block INFO is not ready to write</source>
        <translation>Запись блока INFO не готова</translation>
    </message>
    <message>
        <source>Auto verification is not ready, but it can be compared in </source>
        <translation>Автоматическая проверка не готова, но можно сравнить во </translation>
    </message>
    <message>
        <source>an external editor.</source>
        <translation>внешнем редакторе.</translation>
    </message>
    <message>
        <source>Before recording it is necessary to erase! </source>
        <translation>Перед записью необходимо стереть! </translation>
    </message>
    <message>
        <source>Распиновка для расширенной версии (PCB2):</source>
        <translation>Распиновка для расширенной версии (PCB2):</translation>
    </message>
    <message>
        <source>1-JRST mec16 (не обязательно!)</source>
        <translation>1-JRST mec16 (не обязательно!)</translation>
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
        <translation>На первой версии платы (PCB1) вывод 1-JRST не подключается.</translation>
    </message>
    <message>
        <source>Для записи MEC нужен резистор 2 кОм от ножки nFWP на +3V, резистор на GND можно не снимать.</source>
        <translation>Для записи MEC нужен резистор 2 кОм от ножки nFWP на +3V, резистор на GND можно не снимать.</translation>
    </message>
    <message>
        <source>Проверьте, что ножка JTAG_RESET не посажена на GND резистором 0 Ом.</source>
        <translation>Проверьте, что ножка JTAG_RESET не посажена на GND резистором 0 Ом.</translation>
    </message>
    <message>
        <source>В зависимости от материнской платы одну из ножек VCI_IN0(D2), VCI_IN1(F4), VCI_IN2(C2), VCI_IN3(E1) нужно посадить на землю.</source>
        <translation>В зависимости от материнской платы одну из ножек VCI_IN0(D2), VCI_IN1(F4), VCI_IN2(C2), VCI_IN3(E1) нужно посадить на землю.</translation>
    </message>
    <message>
        <source>Для MBX-237 нужно посадить на землю VCI_IN1(F4).</source>
        <translation>Для MBX-237 нужно посадить на землю VCI_IN1(F4).</translation>
    </message>
    <message>
        <source>На всех ножках VTR должно быть +3V.</source>
        <translation>На всех ножках VTR должно быть +3V.</translation>
    </message>
    <message>
        <source>Не тестировалось с MEC1619 - могут быть проблемы с записью.</source>
        <translation>Не тестировалось с MEC1619 - могут быть проблемы с записью.</translation>
    </message>
    <message>
        <source>Current time </source>
        <translation>Текущее время  </translation>
    </message>
    <message>
        <source>Текущее время  </source>
        <translation>Текущее время  </translation>
    </message>
    <message>
        <source>Erase INFO too? No command or button of this program can write INFO back once it is erased: keep a read with INFO first.</source>
        <translation>Стереть и INFO? Ни одна команда или кнопка этой программы не запишет INFO обратно после стирания: сначала сохраните чтение вместе с INFO.</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (W100)</source>
        <translation>Потеряна связь с MEC16 (W100)</translation>
    </message>
    <message>
        <source>Записали в регистр FF3908h 106h</source>
        <translation>Записали в регистр FF3908h 106h</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (W101)</source>
        <translation>Потеряна связь с MEC16 (W101)</translation>
    </message>
    <message>
        <source>Записали в регистр FF3904h 0</source>
        <translation>Записали в регистр FF3904h 0</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (W101A)</source>
        <translation>Потеряна связь с MEC16 (W101A)</translation>
    </message>
    <message>
        <source>Неверный ID. Операция прервана!</source>
        <translation>Неверный ID. Операция прервана!</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (TW001)</source>
        <translation>Потеряна связь с MEC16 (TW001)</translation>
    </message>
    <message>
        <source>--&gt; Команда записи отменена (nFWP или BOOT_LOCK)</source>
        <translation>--&gt; Команда записи отменена (nFWP или BOOT_LOCK)</translation>
    </message>
    <message>
        <source>Lost communication with MEC (P103).</source>
        <translation>Потеряна связь с MEC (P103).</translation>
    </message>
    <message>
        <source>Read FLASH complete.</source>
        <translation>Чтение FLASH завершено.</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (P104).</source>
        <translation>Потеряна связь с MEC16 (P104).</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (P105).</source>
        <translation>Потеряна связь с MEC16 (P105).</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (P106)</source>
        <translation>Потеряна связь с MEC16 (P106)</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (P107).</source>
        <translation>Потеряна связь с MEC16 (P107).</translation>
    </message>
    <message>
        <source>Read INFO ...</source>
        <translation>Читаем INFO ...</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (P108).</source>
        <translation>Потеряна связь с MEC16 (P108).</translation>
    </message>
    <message>
        <source>Lost communication with MEC (P109).</source>
        <translation>Потеряна связь с MEC (P109).</translation>
    </message>
    <message>
        <source>Read INFO complete.</source>
        <translation>Чтение INFO завершено.</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (P110).</source>
        <translation>Потеряна связь с MEC16 (P110).</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (P111).</source>
        <translation>Потеряна связь с MEC16 (P111).</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (P112)</source>
        <translation>Потеряна связь с MEC16 (P112)</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (P100).</source>
        <translation>Потеряна связь с MEC16 (P100).</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (P101).</source>
        <translation>Потеряна связь с MEC16 (P101).</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (P102)</source>
        <translation>Потеряна связь с MEC16 (P102)</translation>
    </message>
    <message>
        <source>request for block %1 of %2</source>
        <translation>запрос блока %1 из %2</translation>
    </message>
    <message>
        <source>answer to block %1 of %2</source>
        <translation>ответ на блок %1 из %2</translation>
    </message>
    <message>
        <source>-&gt; Предупреждение!</source>
        <translation>-&gt; Предупреждение!</translation>
    </message>
    <message>
        <source>-&gt; Записываемый файл короче!</source>
        <translation>-&gt; Записываемый файл короче флеш-памяти!</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (W102)</source>
        <translation>Потеряна связь с MEC16 (W102)</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (W104).</source>
        <translation>Потеряна связь с MEC16 (W104).</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (W105).</source>
        <translation>Потеряна связь с MEC16 (W105).</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (W106)</source>
        <translation>Потеряна связь с MEC16 (W106)</translation>
    </message>
    <message>
        <source>Write FLASH complete.</source>
        <translation>Запись FLASH завершена.</translation>
    </message>
    <message>
        <source>Потеряна связь с MEC16 (W103)</source>
        <translation>Потеряна связь с MEC16 (W103)</translation>
    </message>
    <message>
        <source>Read and Write MEC   19_03_17</source>
        <translation>Чтение и запись MEC   19_03_17</translation>
    </message>
    <message>
        <source>Check connect to MEC</source>
        <translation>Проверить связь с MEC</translation>
    </message>
    <message>
        <source>If Green - Erase/Write allowed</source>
        <translation>Зелёный: стирание и запись разрешены</translation>
    </message>
    <message>
        <source>If Green - no Boot_Lock</source>
        <translation>Зелёный: Boot_Lock не стоит</translation>
    </message>
    <message>
        <source>Also need read INFO</source>
        <translation>Читать и INFO</translation>
    </message>
    <message>
        <source>Read FLASH MEC </source>
        <translation>Читать FLASH MEC</translation>
    </message>
    <message>
        <source>Also need erase INFO</source>
        <translation>Стереть и INFO</translation>
    </message>
    <message>
        <source>Erase FLASH MEC16</source>
        <translation>Стереть FLASH MEC16</translation>
    </message>
    <message>
        <source>Also need write INFO</source>
        <translation>Записать и INFO</translation>
    </message>
    <message>
        <source>Write FLASH MEC16</source>
        <translation>Записать FLASH MEC16</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>СПРАВКА</translation>
    </message>
    <message>
        <source>STOP and EXIT</source>
        <translation>СТОП и ВЫХОД</translation>
    </message>
    <message>
        <source>answer to %1</source>
        <translation>ответ на %1</translation>
    </message>
    <message>
        <source>register read</source>
        <translation>чтение регистра</translation>
    </message>
    <message>
        <source>register write</source>
        <translation>запись регистра</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source> Please press the reset button on the JIG!</source>
        <translation> Нажмите кнопку сброса на JIG!</translation>
    </message>
    <message>
        <source>JIG not connected to the USB port!</source>
        <translation>JIG не подключён к порту USB!</translation>
    </message>
    <message>
        <source>Not found .hex file -&gt; %1 for M88 in the program folder </source>
        <translation>Не найден файл .hex -&gt; %1 для M88 в папке программы </translation>
    </message>
    <message>
        <source>UPGRADE file loaded to buffer (%1)</source>
        <translation>Файл ОБНОВЛЕНИЯ загружен в буфер (%1)</translation>
    </message>
    <message>
        <source>Bytes read from file %1</source>
        <translation>Прочитано байт из файла: %1</translation>
    </message>
    <message>
        <source>Wrong file format!</source>
        <translation>Неверный формат файла!</translation>
    </message>
    <message>
        <source>No answer from BOOT M88 to %1 (%2)</source>
        <translation>Нет ответа от BOOT M88 на %1 (%2)</translation>
    </message>
    <message>
        <source>No program bytes for M88 in the .hex file!</source>
        <translation>В файле .hex нет байтов программы для M88!</translation>
    </message>
    <message>
        <source>HEX position_buff %1</source>
        <translation>HEX position_buff %1</translation>
    </message>
    <message>
        <source>This .hex file is a stand-in made for the simulated JIG; it is not sent to a real JIG!</source>
        <translation>Этот файл .hex — заглушка для симулятора JIG; в настоящий JIG он не отправляется!</translation>
    </message>
    <message>
        <source>the record at %1</source>
        <translation>запись по адресу %1</translation>
    </message>
    <message>
        <source>Too long answer from BOOT M88 to the record at %1</source>
        <translation>Слишком длинный ответ BOOT M88 на запись по адресу %1</translation>
    </message>
    <message>
        <source>ERROR FW upgrade!</source>
        <translation>ОШИБКА обновления прошивки!</translation>
    </message>
    <message>
        <source>отправлено EOF корректно</source>
        <translation>отправлено EOF корректно</translation>
    </message>
    <message>
        <source>отправлено МЕНЬШЕ байт</source>
        <translation>отправлено МЕНЬШЕ байт</translation>
    </message>
    <message>
        <source>the end record</source>
        <translation>завершающую запись</translation>
    </message>
    <message>
        <source>You did not press the reset button or error response BOOT_loader</source>
        <translation>Кнопка сброса не нажата или ошибка ответа BOOT_loader</translation>
    </message>
    <message>
        <source>*** PLEASE PUSH RESET BUTTON ! ***</source>
        <translation>*** НАЖМИТЕ КНОПКУ СБРОСА! ***</translation>
    </message>
    <message>
        <source>Current version of FW -&gt; %1</source>
        <translation>Текущая версия прошивки -&gt; %1</translation>
    </message>
    <message>
        <source>User select -&gt; %1</source>
        <translation>Выбор пользователя -&gt; %1</translation>
    </message>
    <message>
        <source>Firmware switch stopped.</source>
        <translation>Смена прошивки остановлена.</translation>
    </message>
    <message>
        <source>BOOT M88 connected - %1</source>
        <translation>BOOT M88 на связи - %1</translation>
    </message>
    <message>
        <source>Update firmware ... </source>
        <translation>Обновление прошивки ... </translation>
    </message>
    <message>
        <source>Error format .hex file for M88!</source>
        <translation>Ошибка формата файла .hex для M88!</translation>
    </message>
    <message>
        <source>Flashing M88 error!</source>
        <translation>Ошибка прошивки M88!</translation>
    </message>
    <message>
        <source>Exit from BOOT and RUN ... </source>
        <translation>Выход из BOOT и запуск ... </translation>
    </message>
    <message>
        <source>&apos;g&apos; (run)</source>
        <translation>&apos;g&apos; (запуск)</translation>
    </message>
    <message>
        <source>Command go to BOOT ... </source>
        <translation>Команда перехода в BOOT ... </translation>
    </message>
    <message>
        <source>*** FAULT ANSWER. PLEASE push reset button ***</source>
        <translation>*** НЕВЕРНЫЙ ОТВЕТ. Нажмите кнопку сброса ***</translation>
    </message>
    <message>
        <source>Please select </source>
        <translation>Выберите </translation>
    </message>
    <message>
        <source>  The sequence of the connection while working on a flexible cable.</source>
        <translation>  Порядок подключения при работе через шлейф.</translation>
    </message>
    <message>
        <source>1 Connect the motherboard and the programmer via a flexible cable.</source>
        <translation>1 Соедините материнскую плату и программатор шлейфом.</translation>
    </message>
    <message>
        <source>2 Connect the ground between the motherboard and the programmer.</source>
        <translation>2 Соедините землю материнской платы и программатора.</translation>
    </message>
    <message>
        <source>3 In the shell, choose a motherboard, a flexible cable, the first in the first or not, and then click APPLY SETTINGS.</source>
        <translation>3 В программе выберите материнскую плату, шлейф, первый контакт к первому или нет, и нажмите APPLY SETTINGS.</translation>
    </message>
    <message>
        <source>4 Only NOW it is possible to connect the power supply to the motherboard !</source>
        <translation>4 Только ТЕПЕРЬ можно подключать питание к материнской плате!</translation>
    </message>
    <message>
        <source>Every mode window works on the JIG chosen here (remembered by its serial number)</source>
        <translation>Все окна режимов работают с выбранным здесь JIG (запоминается по серийному номеру)</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Операция</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Tolvane_JIG  VER 4.A   24/03/2017   for PCB2 and PCB3</source>
        <translation>Tolvane_JIG  VER 4.A   24/03/2017   для PCB2 и PCB3</translation>
    </message>
    <message>
        <source>Working mode</source>
        <translation>Режим работы</translation>
    </message>
    <message>
        <source>Before its first erase or write, every mode reads the whole chip into a new file in %1</source>
        <translation>Перед первым стиранием или записью каждый режим читает всю микросхему в новый файл в %1</translation>
    </message>
    <message>
        <source>Every read is made twice; a difference fails it (a loose clip or a long wire)</source>
        <translation>Каждое чтение делается дважды; расхождение — ошибка (плохой контакт клипсы или длинный провод)</translation>
    </message>
    <message>
        <source>Backups: %1</source>
        <translation>Резервные копии: %1</translation>
    </message>
    <message>
        <source>Journal: %1</source>
        <translation>Журнал: %1</translation>
    </message>
    <message>
        <source>Open backups folder</source>
        <translation>Открыть папку копий</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>The JIG %1 is no longer plugged in.</source>
        <translation>JIG %1 больше не подключён.</translation>
    </message>
    <message>
        <source>The JIG&apos;s firmware is being written: closing now would leave the JIG without a working firmware. Wait until the update ends.</source>
        <translation>Идёт запись прошивки JIG: закрыть сейчас — значит оставить JIG без рабочей прошивки. Дождитесь конца обновления.</translation>
    </message>
    <message>
        <source>Update FW for PCB2 and PCB3</source>
        <translation>Обновление прошивки PCB2 и PCB3</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>ВЫХОД</translation>
    </message>
    <message>
        <source>Please disconnect other device and replay!</source>
        <translation>Отключите другие устройства и повторите!</translation>
    </message>
    <message>
        <source>ERROR FT_Open != FT_OK</source>
        <translation>ОШИБКА FT_Open != FT_OK</translation>
    </message>
    <message>
        <source>Founded FTDI device, wait answer. (RESET pushed?)</source>
        <translation>Устройство FTDI найдено, ждём ответа. (Сброс нажат?)</translation>
    </message>
    <message>
        <source>No answer from the M328 bootloader within %1 s: was the reset button pressed? Update stopped.</source>
        <translation>Загрузчик M328 не ответил за %1 с: была ли нажата кнопка сброса? Обновление остановлено.</translation>
    </message>
    <message>
        <source>PCB3 update stopped while calling the bootloader.</source>
        <translation>Обновление PCB3 остановлено во время вызова загрузчика.</translation>
    </message>
    <message>
        <source>Readed bytes answer -&gt; %1</source>
        <translation>Прочитано байт ответа -&gt; %1</translation>
    </message>
    <message>
        <source>Readed bytes (hex)  -&gt; %1</source>
        <translation>Прочитанные байты (hex) -&gt; %1</translation>
    </message>
    <message>
        <source>Bootloader M328 ANSWER_OK</source>
        <translation>Загрузчик M328: ОТВЕТ OK</translation>
    </message>
    <message>
        <source>ERROR open file.</source>
        <translation>ОШИБКА открытия файла.</translation>
    </message>
    <message>
        <source>ERROR short file.</source>
        <translation>ОШИБКА: файл слишком короткий.</translation>
    </message>
    <message>
        <source>Loaded to buffer bytes (dec): %1</source>
        <translation>Загружено в буфер байт (dec): %1</translation>
    </message>
    <message>
        <source>This package is a stand-in made for the simulated JIG; it is not sent to a real JIG!</source>
        <translation>Этот пакет — заглушка для симулятора JIG; в настоящий JIG он не отправляется!</translation>
    </message>
    <message>
        <source>ERROR protocol! Update stopped.(G)</source>
        <translation>ОШИБКА протокола! Обновление остановлено.(G)</translation>
    </message>
    <message>
        <source>ERROR protocol! Update stopped.(+)</source>
        <translation>ОШИБКА протокола! Обновление остановлено.(+)</translation>
    </message>
    <message>
        <source>UPDATE completed successfully.</source>
        <translation>ОБНОВЛЕНИЕ успешно завершено.</translation>
    </message>
</context>
</TS>
