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
        <source>usb (default), usb:SERIAL (only the device with that serial number, see &quot;list&quot;), tty:PATH, or sim[:BOARD] with BOARD one of %1</source>
        <translation>usb (по умолчанию), usb:SERIAL (только устройство с этим серийным номером, см. &quot;list&quot;), tty:PATH или sim[:BOARD], где BOARD одна из %1</translation>
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
    <message>
        <source>print bytes moved, wall time, CPU time and the simulated JIG&apos;s time</source>
        <translation>показать переданные байты, общее время, время процессора и время имитируемого JIG</translation>
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
    <message>
        <source>Current time  </source>
        <translation>Текущее время  </translation>
    </message>
</context>
<context>
    <name>Edid</name>
    <message>
        <source>Read the EEPROM into OUT.bin</source>
        <translation>Прочитать EEPROM в OUT.bin</translation>
    </message>
    <message>
        <source>Reads the panel&apos;s 256-byte EDID EEPROM, shows its hex dump and what the EDID says, and saves it to OUT.bin (replaced when it exists).</source>
        <translation>Читает 256-байтную EEPROM EDID матрицы, показывает её шестнадцатеричный дамп и расшифровку EDID и сохраняет в OUT.bin (существующий файл заменяется).</translation>
    </message>
    <message>
        <source>the file the EEPROM is saved to</source>
        <translation>файл, в который сохраняется EEPROM</translation>
    </message>
    <message>
        <source>0 saved, 1 the EEPROM or the file failed, 2 no usable JIG or OUT.bin cannot be created, 64 wrong usage</source>
        <translation>0 сохранено, 1 ошибка EEPROM или файла, 2 нет рабочего JIG или OUT.bin не создаётся, 64 неверный вызов</translation>
    </message>
    <message>
        <source>Write IN.bin into the EEPROM</source>
        <translation>Записать IN.bin в EEPROM</translation>
    </message>
    <message>
        <source>Writes IN.bin to the panel&apos;s EDID EEPROM: its first 256 bytes, a shorter file filled up with FF. An image whose EDID checksum is wrong is written only with --yes.</source>
        <translation>Записывает IN.bin в EEPROM EDID матрицы: первые 256 байт, короткий файл дополняется FF. Образ с неверной контрольной суммой EDID записывается только с --yes.</translation>
    </message>
    <message>
        <source>the image to write</source>
        <translation>образ для записи</translation>
    </message>
    <message>
        <source>write even when the image&apos;s EDID checksum is wrong</source>
        <translation>записать, даже если контрольная сумма EDID образа неверна</translation>
    </message>
    <message>
        <source>0 written, 1 refused or failed (write-protected, no panel, bad file), 2 no usable JIG or IN.bin cannot be read, 64 wrong usage</source>
        <translation>0 записано, 1 отказ или ошибка (защита от записи, нет матрицы, плохой файл), 2 нет рабочего JIG или IN.bin не читается, 64 неверный вызов</translation>
    </message>
    <message>
        <source>Show what an EDID image file says (no JIG)</source>
        <translation>Показать содержимое файла образа EDID (без JIG)</translation>
    </message>
    <message>
        <source>Shows the hex dump of an EDID image file and what it says (manufacturer, product, dates, version, preferred resolution, extensions, checksums). Needs no JIG.</source>
        <translation>Показывает шестнадцатеричный дамп файла образа EDID и его расшифровку (производитель, изделие, даты, версия, основное разрешение, расширения, контрольные суммы). JIG не нужен.</translation>
    </message>
    <message>
        <source>the image to show</source>
        <translation>образ для показа</translation>
    </message>
    <message>
        <source>0 shown, 2 the file cannot be read, 64 wrong usage</source>
        <translation>0 показано, 2 файл не читается, 64 неверный вызов</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>не удаётся прочитать %1</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes; the EEPROM takes them followed by FF.</source>
        <translation>%1 содержит %2 байт; в EEPROM они пойдут с дополнением FF.</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes; the EEPROM takes only the first 256.</source>
        <translation>%1 содержит %2 байт; в EEPROM пойдут только первые 256.</translation>
    </message>
    <message>
        <source>  Manufacturer: </source>
        <translation>  Производитель: </translation>
    </message>
    <message>
        <source> (not a valid ID)</source>
        <translation> (недопустимый код)</translation>
    </message>
    <message>
        <source> (not in the PNP ID list)</source>
        <translation> (нет в списке PNP ID)</translation>
    </message>
    <message>
        <source>  Model year: </source>
        <translation>  Год модели: </translation>
    </message>
    <message>
        <source>  Manufactured: </source>
        <translation>  Изготовлено: </translation>
    </message>
    <message>
        <source>  Manufactured: %1 (week %2 is not valid)</source>
        <translation>  Изготовлено: %1 (неделя %2 недопустима)</translation>
    </message>
    <message>
        <source>  Manufactured: week %1 of %2</source>
        <translation>  Изготовлено: неделя %1 года %2</translation>
    </message>
    <message>
        <source>  Preferred resolution: not given (the first descriptor holds no timing)</source>
        <translation>  Основное разрешение: не указано (в первом дескрипторе нет тайминга)</translation>
    </message>
    <message>
        <source>  Preferred resolution: %1%2, pixel clock %3 MHz</source>
        <translation>  Основное разрешение: %1%2, частота пикселей %3 МГц</translation>
    </message>
    <message>
        <source>  Checksum of block %1: OK</source>
        <translation>  Контрольная сумма блока %1: OK</translation>
    </message>
    <message>
        <source>  Checksum of block %1: wrong (byte 127 is %2, should be %3)</source>
        <translation>  Контрольная сумма блока %1: неверна (байт 127 равен %2, должен быть %3)</translation>
    </message>
    <message>
        <source>EDID at a glance:</source>
        <translation>Кратко об EDID:</translation>
    </message>
    <message>
        <source>  The image is blank: no EDID.</source>
        <translation>  Образ пустой: EDID нет.</translation>
    </message>
    <message>
        <source>  Header: valid</source>
        <translation>  Заголовок: верный</translation>
    </message>
    <message>
        <source>  Header: not valid (00 FF FF FF FF FF FF 00 expected)</source>
        <translation>  Заголовок: неверный (ожидается 00 FF FF FF FF FF FF 00)</translation>
    </message>
    <message>
        <source>  Product code: </source>
        <translation>  Код изделия: </translation>
    </message>
    <message>
        <source>  Serial number: </source>
        <translation>  Серийный номер: </translation>
    </message>
    <message>
        <source>  Monitor name: </source>
        <translation>  Название монитора: </translation>
    </message>
    <message>
        <source>  Serial text: </source>
        <translation>  Серийный номер (текст): </translation>
    </message>
    <message>
        <source>  Text: </source>
        <translation>  Текст: </translation>
    </message>
    <message>
        <source>  EDID version: </source>
        <translation>  Версия EDID: </translation>
    </message>
    <message>
        <source>  Extension blocks: </source>
        <translation>  Блоков расширения: </translation>
    </message>
    <message>
        <source> (%1 of them in this image)</source>
        <translation> (из них в этом образе: %1)</translation>
    </message>
    <message>
        <source>%1: no answer from the programmer within %2 s (%3 of %4 bytes).</source>
        <translation>%1: нет ответа от программатора за %2 с (%3 из %4 байт).</translation>
    </message>
    <message>
        <source>%1: stopped (%2 of %3 bytes).</source>
        <translation>%1: остановлено (%2 из %3 байт).</translation>
    </message>
    <message>
        <source>%1: the programmer does not respond (device error) (%2 of %3 bytes).</source>
        <translation>%1: программатор не отвечает (ошибка устройства) (%2 из %3 байт).</translation>
    </message>
    <message>
        <source>block %1: byte 127 is 0x%2, should be 0x%3</source>
        <translation>блок %1: байт 127 равен 0x%2, должен быть 0x%3</translation>
    </message>
    <message>
        <source>The EDID checksum of this image is wrong (%1). Write it to the EEPROM anyway?</source>
        <translation>Контрольная сумма EDID этого образа неверна (%1). Всё равно записать его в EEPROM?</translation>
    </message>
    <message>
        <source>Reading EEPROM: the command did not reach the programmer.</source>
        <translation>Чтение EEPROM: команда не дошла до программатора.</translation>
    </message>
    <message>
        <source>Reading EEPROM</source>
        <translation>Чтение EEPROM</translation>
    </message>
    <message>
        <source>EEPROM does not respond, check the connection !!!</source>
        <translation>EEPROM не отвечает, проверьте подключение !!!</translation>
    </message>
    <message>
        <source>Unknown answer of the programmer after reading: %1.</source>
        <translation>Неизвестный ответ программатора после чтения: %1.</translation>
    </message>
    <message>
        <source>Укажите имя файла для сохранения.</source>
        <translation>Укажите имя файла для сохранения.</translation>
    </message>
    <message>
        <source>BIN файлы EEPROM (*.bin)|*.bin</source>
        <translation>BIN файлы EEPROM (*.bin)|*.bin</translation>
    </message>
    <message>
        <source>Укажите файл за заливки.</source>
        <translation>Укажите файл для заливки.</translation>
    </message>
    <message>
        <source>BIN файлы EEPROM (*.bin)|*.bin|Другие|*.*</source>
        <translation>BIN файлы EEPROM (*.bin)|*.bin|Другие|*.*</translation>
    </message>
    <message>
        <source>Reading EEPROM ...</source>
        <translation>Чтение EEPROM ...</translation>
    </message>
    <message>
        <source>Reading from the EEPROM is completed successfully.</source>
        <translation>Чтение EEPROM успешно завершено.</translation>
    </message>
    <message>
        <source>Write to file is interrupted.</source>
        <translation>Запись в файл прервана.</translation>
    </message>
    <message>
        <source>Ошибка создания файла.</source>
        <translation>Ошибка создания файла.</translation>
    </message>
    <message>
        <source>Save the file: </source>
        <translation>Сохраняем файл: </translation>
    </message>
    <message>
        <source>The file could not be written completely: </source>
        <translation>Файл не удалось записать полностью: </translation>
    </message>
    <message>
        <source>Write operation is interrupted.</source>
        <translation>Операция записи прервана.</translation>
    </message>
    <message>
        <source>Ошибка открытия файла.</source>
        <translation>Ошибка открытия файла.</translation>
    </message>
    <message>
        <source>Writing EEPROM ...</source>
        <translation>Запись EEPROM ...</translation>
    </message>
    <message>
        <source>The file holds %1 bytes; the rest of the 256 is filled with FF.</source>
        <translation>Файл содержит %1 байт; остаток до 256 заполняется FF.</translation>
    </message>
    <message>
        <source>The file holds %1 bytes; only the first 256 are written.</source>
        <translation>Файл содержит %1 байт; записываются только первые 256.</translation>
    </message>
    <message>
        <source>Write operation is interrupted: the EDID checksum is wrong.</source>
        <translation>Операция записи прервана: контрольная сумма EDID неверна.</translation>
    </message>
    <message>
        <source>Writing EEPROM: the command did not reach the programmer.</source>
        <translation>Запись EEPROM: команда не дошла до программатора.</translation>
    </message>
    <message>
        <source>Writing EEPROM, waiting for the ready byte</source>
        <translation>Запись EEPROM, ожидание байта готовности</translation>
    </message>
    <message>
        <source>Writing EEPROM: the data did not reach the programmer.</source>
        <translation>Запись EEPROM: данные не дошли до программатора.</translation>
    </message>
    <message>
        <source>Writing EEPROM, waiting for the status</source>
        <translation>Запись EEPROM, ожидание состояния</translation>
    </message>
    <message>
        <source>Writing data to EEPROM is completed successfully.</source>
        <translation>Запись данных в EEPROM успешно завершена.</translation>
    </message>
    <message>
        <source>EEPROM does not respond, or write error! WP 7 pin = &apos;0&apos; ?</source>
        <translation>EEPROM не отвечает или ошибка записи! Вывод 7 (WP) = &apos;0&apos; ?</translation>
    </message>
    <message>
        <source>Unknown answer of the programmer after writing: %1; the EEPROM content is not confirmed.</source>
        <translation>Неизвестный ответ программатора после записи: %1; содержимое EEPROM не подтверждено.</translation>
    </message>
    <message>
        <source>EEPROM LCD read/write 09/01/2017</source>
        <translation>Чтение/запись EEPROM LCD 09/01/2017</translation>
    </message>
    <message>
        <source>EDID_READ</source>
        <translation>ЧТЕНИЕ EDID</translation>
    </message>
    <message>
        <source>EDID_WRITE</source>
        <translation>ЗАПИСЬ EDID</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>ВЫХОД</translation>
    </message>
    <message>
        <source> @ %1 Hz</source>
        <translation> @ %1 Гц</translation>
    </message>
</context>
<context>
    <name>Ene</name>
    <message>
        <source>--mb &quot;%1&quot; matches several motherboards:</source>
        <translation>--mb &quot;%1&quot; подходит к нескольким платам:</translation>
    </message>
    <message>
        <source>no motherboard in &quot;%1&quot; matches &quot;%2&quot;</source>
        <translation>в &quot;%1&quot; нет платы, подходящей к &quot;%2&quot;</translation>
    </message>
    <message>
        <source> (%1; pass the entry itself, e.g. &quot;MB KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8&quot;)</source>
        <translation> (%1; укажите саму запись, например &quot;MB KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8&quot;)</translation>
    </message>
    <message>
        <source>--mb and --cable go together</source>
        <translation>--mb и --cable указываются вместе</translation>
    </message>
    <message>
        <source>--cable is one of %1</source>
        <translation>--cable: одно из %1</translation>
    </message>
    <message>
        <source>flexible cable: the motherboard, a line of &quot;MB connection ENE.txt&quot; (current folder) equal to or containing TEXT, or an entry of its own (&quot;NAME KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8&quot;)</source>
        <translation>шлейф: материнская плата, строка &quot;MB connection ENE.txt&quot; (в текущей папке), равная TEXT или содержащая его, или своя запись (&quot;NAME KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8&quot;)</translation>
    </message>
    <message>
        <source>the cable: 18, 20, 24, 25, 26, 28, 30 or 32 pin (&quot;30 pin&quot;)</source>
        <translation>шлейф: 18, 20, 24, 25, 26, 28, 30 или 32 контакта (&quot;30 pin&quot;)</translation>
    </message>
    <message>
        <source>pin 1 of the cable is not on pin 1 of the keyboard connector</source>
        <translation>контакт 1 шлейфа не на контакте 1 разъёма клавиатуры</translation>
    </message>
    <message>
        <source>Read the whole flash into OUT.bin</source>
        <translation>Прочитать всю флеш-память в OUT.bin</translation>
    </message>
    <message>
        <source>Reads the 128 KiB flash of an ENE KB9010/9012/9016/9022 into OUT.bin. Without --mb a PCB3 JIG is set back to soldered wires first; with --mb and --cable it routes the flexible cable first (as &quot;ene ffc&quot;).</source>
        <translation>Читает 128 КиБ флеш-памяти ENE KB9010/9012/9016/9022 в OUT.bin. Без --mb JIG PCB3 сначала возвращается к подпаянным проводам; с --mb и --cable сначала разводится шлейф (как &quot;ene ffc&quot;).</translation>
    </message>
    <message>
        <source>the file the flash is saved to</source>
        <translation>файл, в который сохраняется флеш-память</translation>
    </message>
    <message>
        <source>0 read, 1 failed, 2 no usable JIG or OUT.bin cannot be created, 64 wrong usage</source>
        <translation>0 прочитано, 1 ошибка, 2 нет рабочего JIG или OUT.bin не создаётся, 64 неверный вызов</translation>
    </message>
    <message>
        <source>Write IN.bin into the flash and verify it</source>
        <translation>Записать IN.bin во флеш-память и проверить</translation>
    </message>
    <message>
        <source>Writes IN.bin (at most 128 KiB; a shorter file is filled up with 0xFF) into the flash of an ENE KB90xx and verifies it. An empty or larger file, or one that is not a regular file, is refused before anything is erased. Ctrl-C stops between two blocks and says where the chip stands.</source>
        <translation>Записывает IN.bin (не более 128 КиБ; короткий файл дополняется 0xFF) во флеш-память ENE KB90xx и проверяет её. Пустой или больший файл, или не обычный файл, отклоняется до всякого стирания. Ctrl-C останавливает между двумя блоками и сообщает, в каком состоянии микросхема.</translation>
    </message>
    <message>
        <source>the image to write</source>
        <translation>образ для записи</translation>
    </message>
    <message>
        <source>0 written and verified, 1 failed or IN.bin refused (empty, too large), 2 no usable JIG or IN.bin cannot be read, 64 wrong usage</source>
        <translation>0 записано и проверено, 1 ошибка или IN.bin отклонён (пустой, слишком большой), 2 нет рабочего JIG или IN.bin не читается, 64 неверный вызов</translation>
    </message>
    <message>
        <source>Route a flexible cable (PCB3) and print its wiring</source>
        <translation>Развести шлейф (PCB3) и показать его подключение</translation>
    </message>
    <message>
        <source>Prints the wiring help for a motherboard on a flexible cable and, on a PCB3 JIG, routes the cable&apos;s contacts to the EC&apos;s lines through the CPLD. Needs --mb and --cable.</source>
        <translation>Показывает подсказку по подключению платы через шлейф и на JIG PCB3 разводит контакты шлейфа на линии EC через CPLD. Нужны --mb и --cable.</translation>
    </message>
    <message>
        <source>0 routed, 1 failed (PCB2 JIG, bad entry), 2 no usable JIG, 64 wrong usage</source>
        <translation>0 разведено, 1 ошибка (JIG PCB2, неверная запись), 2 нет рабочего JIG, 64 неверный вызов</translation>
    </message>
    <message>
        <source>ene ffc needs --mb and --cable</source>
        <translation>ene ffc нужны --mb и --cable</translation>
    </message>
    <message>
        <source>Please connect GND and:  A%1 B%2 C%3 D%4 E%5 (only for JIG 2)</source>
        <translation>Подключите GND и:  A%1 B%2 C%3 D%4 E%5 (только для JIG 2)</translation>
    </message>
    <message>
        <source>Create base of connections KB90XX !</source>
        <translation>Создайте базу подключений KB90XX !</translation>
    </message>
    <message>
        <source>Error data format!</source>
        <translation>Ошибка формата данных!</translation>
    </message>
    <message>
        <source>Please select big pins FFC!</source>
        <translation>Выберите шлейф с большим числом контактов!</translation>
    </message>
    <message>
        <source>WARNING !!! The default mode for SOLDERING WIRES.</source>
        <translation>ВНИМАНИЕ !!! Режим по умолчанию: ПОДПАЯННЫЕ ПРОВОДА.</translation>
    </message>
    <message>
        <source>To work on a flexible cable (FFC) - select the MB and FFC!</source>
        <translation>Для работы через шлейф (FFC) выберите плату и шлейф!</translation>
    </message>
    <message>
        <source>answer to RESET_ALTERA</source>
        <translation>ответ на RESET_ALTERA</translation>
    </message>
    <message>
        <source>EC connection</source>
        <translation>связь с EC</translation>
    </message>
    <message>
        <source>Communication with KB90XX installed.</source>
        <translation>Связь с KB90XX установлена.</translation>
    </message>
    <message>
        <source>Embedded Debug Version ID = </source>
        <translation>Версия отладочного интерфейса (EDI ID) = </translation>
    </message>
    <message>
        <source>No connection to the KB90XX!</source>
        <translation>Нет связи с KB90XX!</translation>
    </message>
    <message>
        <source>Check the settings !</source>
        <translation>Проверьте настройки !</translation>
    </message>
    <message>
        <source>Motherboard is connected / powered ?</source>
        <translation>Плата подключена / питание подано ?</translation>
    </message>
    <message>
        <source>answer to the success signal</source>
        <translation>ответ на сигнал успеха</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>BIN file KB90XX (*.bin)|*.bin</source>
        <translation>BIN файл KB90XX (*.bin)|*.bin</translation>
    </message>
    <message>
        <source>Write to file is interrupted.</source>
        <translation>Запись в файл прервана.</translation>
    </message>
    <message>
        <source>Ошибка создания файла.</source>
        <translation>Ошибка создания файла.</translation>
    </message>
    <message>
        <source>Save the file: </source>
        <translation>Сохраняем файл: </translation>
    </message>
    <message>
        <source>Reading KB90XX ...</source>
        <translation>Чтение KB90XX ...</translation>
    </message>
    <message>
        <source>Read file</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>BIN file KB90XX (*.bin)|*.bin|other|*.*</source>
        <translation>BIN файл KB90XX (*.bin)|*.bin|Другие|*.*</translation>
    </message>
    <message>
        <source>Write operation is interrupted.</source>
        <translation>Операция записи прервана.</translation>
    </message>
    <message>
        <source>Write in KB90XX file:</source>
        <translation>Записываем в KB90XX файл:</translation>
    </message>
    <message>
        <source>There is a writing KB90XX...</source>
        <translation>Идёт запись KB90XX...</translation>
    </message>
    <message>
        <source>Error open file!</source>
        <translation>Ошибка открытия файла!</translation>
    </message>
    <message>
        <source>Please select MB!</source>
        <translation>Выберите плату!</translation>
    </message>
    <message>
        <source>Select FFC cable you used!</source>
        <translation>Выберите используемый шлейф!</translation>
    </message>
    <message>
        <source>User select --&gt; %1 (%2 pin FFC)%3</source>
        <translation>Выбрано --&gt; %1 (шлейф %2 конт.)%3</translation>
    </message>
    <message>
        <source> 1 to 1 </source>
        <translation> 1 к 1 </translation>
    </message>
    <message>
        <source> mirrored</source>
        <translation> зеркально</translation>
    </message>
    <message>
        <source>Not for this version JIG!</source>
        <translation>Не для этой версии JIG!</translation>
    </message>
    <message>
        <source>answer to WR_ALTERA_REG %1</source>
        <translation>ответ на WR_ALTERA_REG %1</translation>
    </message>
    <message>
        <source>Settings sent successfully!</source>
        <translation>Настройки успешно отправлены!</translation>
    </message>
    <message>
        <source>Check GND. Connect the motherboard power adapter.</source>
        <translation>Проверьте GND. Подключите блок питания платы.</translation>
    </message>
    <message>
        <source>We are ready for reading or writing</source>
        <translation>Готовы к чтению или записи</translation>
    </message>
    <message>
        <source>Lost Communication with ENE or timeout!</source>
        <translation>Потеряна связь с ENE или истекло время ожидания!</translation>
    </message>
    <message>
        <source>!!! Lost Communication with ENE or timeout !!! </source>
        <translation>!!! Потеряна связь с ENE или истекло время ожидания !!! </translation>
    </message>
    <message>
        <source>block %1 of %2</source>
        <translation>блок %1 из %2</translation>
    </message>
    <message>
        <source>status of block %1 of %2</source>
        <translation>состояние блока %1 из %2</translation>
    </message>
    <message>
        <source>stopped after block %1 of %2</source>
        <translation>остановлено после блока %1 из %2</translation>
    </message>
    <message>
        <source>Reading completed successfully.</source>
        <translation>Чтение успешно завершено.</translation>
    </message>
    <message>
        <source>Error writing the file %1: %2</source>
        <translation>Ошибка записи файла %1: %2</translation>
    </message>
    <message>
        <source>ready for block %1 of %2</source>
        <translation>готовность к блоку %1 из %2</translation>
    </message>
    <message>
        <source>acknowledgement of block %1 of %2</source>
        <translation>подтверждение блока %1 из %2</translation>
    </message>
    <message>
        <source> __ Warning __</source>
        <translation> __ Внимание __</translation>
    </message>
    <message>
        <source>Recorded file is less than 128*1024 byte</source>
        <translation>Записываемый файл меньше 128*1024 байт</translation>
    </message>
    <message>
        <source>Writing is completed successfully.</source>
        <translation>Запись успешно завершена.</translation>
    </message>
    <message>
        <source>SUMM of data from a file  -&gt; </source>
        <translation>СУММА данных файла      -&gt; </translation>
    </message>
    <message>
        <source>CRC16 of data from a file -&gt; </source>
        <translation>CRC16 данных файла      -&gt; </translation>
    </message>
    <message>
        <source>checksum progress %1 of %2</source>
        <translation>ход подсчёта суммы %1 из %2</translation>
    </message>
    <message>
        <source>checksum answer</source>
        <translation>ответ с контрольной суммой</translation>
    </message>
    <message>
        <source>SUMM FLASH KB90XX -&gt; </source>
        <translation>СУММА FLASH KB90XX -&gt; </translation>
    </message>
    <message>
        <source>CRC16 FLASH KB90XX-&gt; </source>
        <translation>CRC16 FLASH KB90XX-&gt; </translation>
    </message>
    <message>
        <source>Writing and verify is OK !</source>
        <translation>Запись и проверка прошли успешно !</translation>
    </message>
    <message>
        <source>!!! Data is written incorrectly !!! </source>
        <translation>!!! Данные записаны неверно !!! </translation>
    </message>
    <message>
        <source>Writing is completed ...</source>
        <translation>Запись завершена ...</translation>
    </message>
    <message>
        <source>Verification ...</source>
        <translation>Проверка ...</translation>
    </message>
    <message>
        <source>read-back block %1 of %2</source>
        <translation>блок обратного чтения %1 из %2</translation>
    </message>
    <message>
        <source>verification of block %1 of %2</source>
        <translation>проверка блока %1 из %2</translation>
    </message>
    <message>
        <source>KB9010/9012/9016/9022  03/03/2017</source>
        <translation>KB9010/9012/9016/9022  03/03/2017</translation>
    </message>
    <message>
        <source>Pin 1 connected  to pin 1 on the MB keyboard connector</source>
        <translation>Контакт 1 подключён к контакту 1 разъёма клавиатуры платы</translation>
    </message>
    <message>
        <source>Apply settings if use FFC  (only for JIG 3)</source>
        <translation>Применить настройки для шлейфа  (только JIG 3)</translation>
    </message>
    <message>
        <source> Help for FFC cable connection  </source>
        <translation> Подсказка по подключению шлейфа  </translation>
    </message>
    <message>
        <source>KB90XX_READ</source>
        <translation>ЧТЕНИЕ KB90XX</translation>
    </message>
    <message>
        <source>KB90XX_WRITE</source>
        <translation>ЗАПИСЬ KB90XX</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>ВЫХОД</translation>
    </message>
    <message>
        <source>Select MB</source>
        <translation>Выберите плату</translation>
    </message>
    <message>
        <source>Select FFC cable you used</source>
        <translation>Выберите используемый шлейф</translation>
    </message>
    <message>
        <source>Stop the operation?</source>
        <translation>Остановить операцию?</translation>
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
    <name>Ite</name>
    <message>
        <source>%1 -&gt; no</source>
        <translation>%1 -&gt; нет</translation>
    </message>
    <message>
        <source>%1 (%2; give the wiring with --pins instead)</source>
        <translation>%1 (%2; задайте выводы через --pins)</translation>
    </message>
    <message>
        <source>no motherboard in &quot;%1&quot; matches &quot;%2&quot;</source>
        <translation>в &quot;%1&quot; нет материнской платы, подходящей под &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--mb &quot;%1&quot; matches several motherboards:</source>
        <translation>--mb &quot;%1&quot; подходит к нескольким материнским платам:</translation>
    </message>
    <message>
        <source>give the wiring with one of --mb TEXT or --pins &quot;PD0=.. ... KSI5=..&quot;</source>
        <translation>задайте выводы одним из --mb TEXT или --pins &quot;PD0=.. ... KSI5=..&quot;</translation>
    </message>
    <message>
        <source>the motherboard of &quot;MB connection ITE.txt&quot;: the one named TEXT, else the only one whose name holds TEXT in any case (&quot;ite boards&quot; lists them)</source>
        <translation>материнская плата из &quot;MB connection ITE.txt&quot;: та, что названа TEXT, иначе единственная, в названии которой есть TEXT в любом регистре (список выводит &quot;ite boards&quot;)</translation>
    </message>
    <message>
        <source>the wiring in the database&apos;s own syntax: &quot;PD0=12 PD1=13 ... KSI5=10 KB_pins=26&quot; (KB_pins only for --reversed)</source>
        <translation>выводы в записи самой базы: &quot;PD0=12 PD1=13 ... KSI5=10 KB_pins=26&quot; (KB_pins только для --reversed)</translation>
    </message>
    <message>
        <source>the cable is reversed: contact 1 of the JIG is on the last contact of the keyboard connector (mirrors the wiring with KB_pins)</source>
        <translation>шлейф перевёрнут: 1-й контакт программатора на последнем контакте разъёма клавиатуры (выводы отражаются по KB_pins)</translation>
    </message>
    <message>
        <source> The wiring (--mb or --pins) is sent to the JIG first, as APPLY does.</source>
        <translation> Сначала выводы (--mb или --pins) отправляются в программатор, как кнопкой ПРИМЕНИТЬ.</translation>
    </message>
    <message>
        <source>Check the connection and show the EC&apos;s ID</source>
        <translation>Проверить связь и показать ID EC</translation>
    </message>
    <message>
        <source>Asks the JIG whether the ITE EC answers and reads its identifier and revision. Power the board within 5 seconds of the start.</source>
        <translation>Спрашивает программатор, отвечает ли EC ITE, и читает его идентификатор и ревизию. Подайте питание на плату в течение 5 секунд после старта.</translation>
    </message>
    <message>
        <source>0 the EC answered, 1 it did not (or the JIG refused the wiring), 2 no usable JIG or no database, 64 wrong usage</source>
        <translation>0 EC ответил, 1 не ответил (или программатор не принял выводы), 2 нет рабочего программатора или нет базы, 64 неверный вызов</translation>
    </message>
    <message>
        <source>Send the wiring to the JIG</source>
        <translation>Отправить выводы в программатор</translation>
    </message>
    <message>
        <source>Sends the contact of each of the fifteen EC signals to the JIG (APPLY); the JIG keeps it for the following operations.</source>
        <translation>Отправляет в программатор контакт каждого из пятнадцати сигналов EC (ПРИМЕНИТЬ); программатор хранит их для следующих операций.</translation>
    </message>
    <message>
        <source>0 sent, 1 the JIG refused it, 2 no usable JIG or no database, 64 wrong usage</source>
        <translation>0 отправлено, 1 программатор не принял, 2 нет рабочего программатора или нет базы, 64 неверный вызов</translation>
    </message>
    <message>
        <source>List the motherboards of the wiring database</source>
        <translation>Список материнских плат из базы выводов</translation>
    </message>
    <message>
        <source>Prints the name of each motherboard of &quot;MB connection ITE.txt&quot;, one a line: what --mb takes.</source>
        <translation>Печатает название каждой материнской платы из &quot;MB connection ITE.txt&quot;, по одной в строке: то, что принимает --mb.</translation>
    </message>
    <message>
        <source>0 listed, 2 no database</source>
        <translation>0 список выведен, 2 нет базы</translation>
    </message>
    <message>
        <source>Read the whole flash into OUT.bin</source>
        <translation>Прочитать всю флеш в OUT.bin</translation>
    </message>
    <message>
        <source>Reads the 128 KiB flash behind the ITE EC into OUT.bin.</source>
        <translation>Читает флеш 128 КБ за EC ITE в OUT.bin.</translation>
    </message>
    <message>
        <source>the file the flash is saved to</source>
        <translation>файл, в который сохраняется флеш</translation>
    </message>
    <message>
        <source>0 read, 1 failed, 2 no usable JIG, no database or OUT.bin cannot be created, 64 wrong usage</source>
        <translation>0 прочитано, 1 ошибка, 2 нет рабочего программатора, нет базы или нельзя создать OUT.bin, 64 неверный вызов</translation>
    </message>
    <message>
        <source>Erase the flash, write IN.bin and verify it</source>
        <translation>Стереть флеш, записать IN.bin и проверить</translation>
    </message>
    <message>
        <source>Erases the flash behind the ITE EC and writes IN.bin (its first 128 KiB; a shorter file is filled up with 0xFF), then reads the flash back and compares (--no-verify skips that).</source>
        <translation>Стирает флеш за EC ITE и записывает IN.bin (его первые 128 КБ; короткий файл дополняется 0xFF), затем читает флеш обратно и сравнивает (--no-verify это пропускает).</translation>
    </message>
    <message>
        <source>the image to write</source>
        <translation>образ для записи</translation>
    </message>
    <message>
        <source>do not read the flash back after writing</source>
        <translation>не читать флеш обратно после записи</translation>
    </message>
    <message>
        <source>0 written (and verified), 1 failed or the flash differs (the first differing offset is shown), 2 no usable JIG, no database or IN.bin cannot be read, 64 wrong usage</source>
        <translation>0 записано (и проверено), 1 ошибка или флеш отличается (показан первый отличающийся адрес), 2 нет рабочего программатора, нет базы или нельзя прочитать IN.bin, 64 неверный вызов</translation>
    </message>
    <message>
        <source>Проверка невозможна: нет временного файла.</source>
        <translation>Проверка невозможна: нет временного файла.</translation>
    </message>
    <message>
        <source>Verify: no temporary file to read the flash into.</source>
        <translation>Проверка невозможна: нет временного файла.</translation>
    </message>
    <message>
        <source>Проверка: читаем флеш обратно ...</source>
        <translation>Проверка: читаем флеш обратно ...</translation>
    </message>
    <message>
        <source>Verify: reading the flash back ...</source>
        <translation>Проверка: читаем флеш обратно ...</translation>
    </message>
    <message>
        <source>Проверка: флеш отличается от файла, первое отличие по адресу %1%2 (флеш / файл)</source>
        <translation>Проверка: флеш отличается от файла, первое отличие по адресу %1%2 (флеш / файл)</translation>
    </message>
    <message>
        <source>Verify: the flash differs from the file at offset %1%2 (flash / file)</source>
        <translation>Проверка: флеш отличается от файла, первое отличие по адресу %1%2 (флеш / файл)</translation>
    </message>
    <message>
        <source>Проверка: флеш совпадает с файлом.</source>
        <translation>Проверка: флеш совпадает с файлом.</translation>
    </message>
    <message>
        <source>Verify: the flash matches the file.</source>
        <translation>Проверка: флеш совпадает с файлом.</translation>
    </message>
    <message>
        <source>File [MB connection ITE.txt] not found. Please read manual!</source>
        <translation>Файл [MB connection ITE.txt] не найден. Прочитайте инструкцию!</translation>
    </message>
    <message>
        <source>Please select MOTHERBOARD</source>
        <translation>Выберите МАТЕРИНСКУЮ ПЛАТУ</translation>
    </message>
    <message>
        <source>Save data to a file</source>
        <translation>Сохранить данные в файл</translation>
    </message>
    <message>
        <source>BIN file (*.bin)|*.bin</source>
        <translation>Файл BIN (*.bin)|*.bin</translation>
    </message>
    <message>
        <source>Read data from a file</source>
        <translation>Прочитать данные из файла</translation>
    </message>
    <message>
        <source>BIN file  (*.bin)|*.bin|Другие|*.*</source>
        <translation>Файл BIN (*.bin)|*.bin|Другие|*.*</translation>
    </message>
    <message>
        <source>Stop the operation?</source>
        <translation>Остановить операцию?</translation>
    </message>
    <message>
        <source>Не найдена информация по номеру ножки для %1 !</source>
        <translation>Не найдена информация по номеру ножки для %1!</translation>
    </message>
    <message>
        <source>Information about the contact number %1 is not found!</source>
        <translation>Не найдена информация по номеру ножки для %1!</translation>
    </message>
    <message>
        <source>Неверный номер ножки для %1 !</source>
        <translation>Неверный номер ножки для %1!</translation>
    </message>
    <message>
        <source>Invalid contact number %1</source>
        <translation>Неверный номер ножки для %1!</translation>
    </message>
    <message>
        <source>Не найдена информация по количеству контактов разьема клавиатуры на MB!</source>
        <translation>Не найдена информация по количеству контактов разъёма клавиатуры на MB!</translation>
    </message>
    <message>
        <source>Not found the information on the number of contacts on the keyboard connector MB!</source>
        <translation>Не найдена информация по количеству контактов разъёма клавиатуры на MB!</translation>
    </message>
    <message>
        <source>Все сигналы на NC: ни один контакт не подключён к EC. Выберите плату или задайте контакты, затем отправьте настройки.</source>
        <translation>Все сигналы на NC: ни один контакт не подключён к EC. Выберите плату или задайте контакты, затем отправьте настройки.</translation>
    </message>
    <message>
        <source>Every signal is on NC: no contact reaches the EC. Choose the motherboard or set the contacts, then send the settings.</source>
        <translation>Все сигналы на NC: ни один контакт не подключён к EC. Выберите плату или задайте контакты, затем отправьте настройки.</translation>
    </message>
    <message>
        <source>Неверное количество контактов разьема клавиатуры (23 &lt; допустимо &lt; 33)!</source>
        <translation>Неверное количество контактов разъёма клавиатуры (23 &lt; допустимо &lt; 33)!</translation>
    </message>
    <message>
        <source>Wrong number of keyboard connector contacts (23 &lt; acceptable &lt;33)!</source>
        <translation>Неверное количество контактов разъёма клавиатуры (23 &lt; допустимо &lt; 33)!</translation>
    </message>
    <message>
        <source>Проверка связи ...</source>
        <translation>Проверка связи ...</translation>
    </message>
    <message>
        <source>Check connection ...</source>
        <translation>Проверка связи ...</translation>
    </message>
    <message>
        <source>Программатор найден и готов к работе.</source>
        <translation>Программатор найден и готов к работе.</translation>
    </message>
    <message>
        <source>The programmer is found and ready to go.</source>
        <translation>Программатор найден и готов к работе.</translation>
    </message>
    <message>
        <source>Теперь, как можно быстрее, подключите адаптер (5 сек) ! </source>
        <translation>Теперь, как можно быстрее, подключите адаптер питания (5 сек)!</translation>
    </message>
    <message>
        <source>Now, as soon as possible, connect the adapter (5 seconds) !</source>
        <translation>Теперь, как можно быстрее, подключите адаптер питания (5 сек)!</translation>
    </message>
    <message>
        <source>ITE мульт нам не отвечает, проверяйте соединение и настройки выводов. MB запитана? </source>
        <translation>ITE мульт нам не отвечает, проверяйте соединение и настройки выводов. MB запитана? </translation>
    </message>
    <message>
        <source>ITE we do not respond, check the connection and settings. MB powered? </source>
        <translation>ITE мульт нам не отвечает, проверяйте соединение и настройки выводов. MB запитана? </translation>
    </message>
    <message>
        <source>Отправляем настройки под MB.</source>
        <translation>Отправляем настройки под MB.</translation>
    </message>
    <message>
        <source>Send the settings for MB.</source>
        <translation>Отправляем настройки под MB.</translation>
    </message>
    <message>
        <source>Ошибка при входе в режим настроек.</source>
        <translation>Ошибка при входе в режим настроек.</translation>
    </message>
    <message>
        <source>Error when entering the setup mode.</source>
        <translation>Ошибка при входе в режим настроек.</translation>
    </message>
    <message>
        <source>Ошибка протокола при настройке выводов.</source>
        <translation>Ошибка протокола при настройке выводов.</translation>
    </message>
    <message>
        <source>Protocol error when setting pins.</source>
        <translation>Ошибка протокола при настройке выводов.</translation>
    </message>
    <message>
        <source>Настройки все отправлены.</source>
        <translation>Настройки все отправлены.</translation>
    </message>
    <message>
        <source>All settings sent.</source>
        <translation>Настройки все отправлены.</translation>
    </message>
    <message>
        <source>Received ITE ID  -&gt; %1 rev -&gt; %2</source>
        <translation>Получен ID ITE  -&gt; %1 ревизия -&gt; %2</translation>
    </message>
    <message>
        <source>Чтение отмененено пользователем. Все сворачиваем. (RD_DLG)</source>
        <translation>Чтение отменено пользователем. Всё сворачиваем. (RD_DLG)</translation>
    </message>
    <message>
        <source>Reading canceled by the user. All displace. (RD_DLG)</source>
        <translation>Чтение отменено пользователем. Всё сворачиваем. (RD_DLG)</translation>
    </message>
    <message>
        <source>Ошибка при создании файла. (RD_CRT_DLG)</source>
        <translation>Ошибка при создании файла. (RD_CRT_DLG)</translation>
    </message>
    <message>
        <source>Error creating file. (RD_CRT_DLG)</source>
        <translation>Ошибка при создании файла. (RD_CRT_DLG)</translation>
    </message>
    <message>
        <source>Текущее время  </source>
        <translation>Текущее время  </translation>
    </message>
    <message>
        <source>Current time  </source>
        <translation>Текущее время  </translation>
    </message>
    <message>
        <source>Сохраняем в файл: </source>
        <translation>Сохраняем в файл: </translation>
    </message>
    <message>
        <source>Write to file: </source>
        <translation>Сохраняем в файл: </translation>
    </message>
    <message>
        <source>Начинаем чтение ITE ...</source>
        <translation>Начинаем чтение ITE ...</translation>
    </message>
    <message>
        <source>Reading start...</source>
        <translation>Начинаем чтение ITE ...</translation>
    </message>
    <message>
        <source>Преподготовка ITE ...</source>
        <translation>Преподготовка ITE ...</translation>
    </message>
    <message>
        <source>INIT ...</source>
        <translation>Преподготовка ITE ...</translation>
    </message>
    <message>
        <source>Закончили преподготовку ...</source>
        <translation>Закончили преподготовку ...</translation>
    </message>
    <message>
        <source>INIT complete.</source>
        <translation>Закончили преподготовку ...</translation>
    </message>
    <message>
        <source>Читаю, пожалуйста ждите ...</source>
        <translation>Читаю, пожалуйста, ждите ...</translation>
    </message>
    <message>
        <source>READ, please wait ...</source>
        <translation>Читаю, пожалуйста, ждите ...</translation>
    </message>
    <message>
        <source>Ошибка при чтении блока -&gt;</source>
        <translation>Ошибка при чтении блока -&gt;</translation>
    </message>
    <message>
        <source>ERROR reading block -&gt;</source>
        <translation>Ошибка при чтении блока -&gt;</translation>
    </message>
    <message>
        <source>Мы все прочитали </source>
        <translation>Мы всё прочитали. </translation>
    </message>
    <message>
        <source>Reading complete. </source>
        <translation>Мы всё прочитали. </translation>
    </message>
    <message>
        <source>Ошибка записи в файл %1: %2</source>
        <translation>Ошибка записи в файл %1: %2</translation>
    </message>
    <message>
        <source>Error writing the file %1: %2</source>
        <translation>Ошибка записи в файл %1: %2</translation>
    </message>
    <message>
        <source>Запись отмененена пользователем. Все сворачиваем. (WR_DLG)</source>
        <translation>Запись отменена пользователем. Всё сворачиваем. (WR_DLG)</translation>
    </message>
    <message>
        <source>WRITE canceled by the user. all displace. (WR_DLG)</source>
        <translation>Запись отменена пользователем. Всё сворачиваем. (WR_DLG)</translation>
    </message>
    <message>
        <source>Ошибка при открытии файла. (WR_OPN_DLG)</source>
        <translation>Ошибка при открытии файла. (WR_OPN_DLG)</translation>
    </message>
    <message>
        <source>Error opening the file. (WR_OPN_DLG)</source>
        <translation>Ошибка при открытии файла. (WR_OPN_DLG)</translation>
    </message>
    <message>
        <source>Пишем из файла: </source>
        <translation>Пишем из файла: </translation>
    </message>
    <message>
        <source>Data file: </source>
        <translation>Пишем из файла: </translation>
    </message>
    <message>
        <source>Начинаем запись ITE ...</source>
        <translation>Начинаем запись ITE ...</translation>
    </message>
    <message>
        <source>Writing starts ...</source>
        <translation>Начинаем запись ITE ...</translation>
    </message>
    <message>
        <source>Команда стирания чипа отправлена (0x60/0xC7)...</source>
        <translation>Команда стирания чипа отправлена (0x60/0xC7)...</translation>
    </message>
    <message>
        <source>ERASE complete.</source>
        <translation>Команда стирания чипа отправлена (0x60/0xC7)...</translation>
    </message>
    <message>
        <source>Считали 131072 байта в буфер ...</source>
        <translation>Считали 131072 байта в буфер ...</translation>
    </message>
    <message>
        <source>File loaded to buffer.</source>
        <translation>Считали 131072 байта в буфер ...</translation>
    </message>
    <message>
        <source>Количество байт равных 0xFF в файле -&gt; </source>
        <translation>Количество байт, равных 0xFF, в файле -&gt; </translation>
    </message>
    <message>
        <source>The number of bytes equal to the value of FFh -&gt; </source>
        <translation>Количество байт, равных 0xFF, в файле -&gt; </translation>
    </message>
    <message>
        <source>Начинаем писать байты ...</source>
        <translation>Начинаем писать байты ...</translation>
    </message>
    <message>
        <source>WRITE, please wait ...</source>
        <translation>Начинаем писать байты ...</translation>
    </message>
    <message>
        <source>Ошибка протокола при отправке адреса во флеш.</source>
        <translation>Ошибка протокола при отправке адреса во флеш.</translation>
    </message>
    <message>
        <source>Protocol error while sending addresses in a flash.</source>
        <translation>Ошибка протокола при отправке адреса во флеш.</translation>
    </message>
    <message>
        <source>Ошибка записи во флеш или потеряна связь с ITE</source>
        <translation>Ошибка записи во флеш или потеряна связь с ITE</translation>
    </message>
    <message>
        <source>Error writing to flash or lost contact with ITE</source>
        <translation>Ошибка записи во флеш или потеряна связь с ITE</translation>
    </message>
    <message>
        <source>Мы все записали. </source>
        <translation>Мы всё записали. </translation>
    </message>
    <message>
        <source>WRITE complete.</source>
        <translation>Мы всё записали. </translation>
    </message>
    <message>
        <source>Нет ответа от программатора (%1)</source>
        <translation>Нет ответа от программатора (%1)</translation>
    </message>
    <message>
        <source>Timeout: no answer from the JIG (%1)</source>
        <translation>Нет ответа от программатора (%1)</translation>
    </message>
    <message>
        <source>Отменено во время ожидания программатора (%1)</source>
        <translation>Отменено во время ожидания программатора (%1)</translation>
    </message>
    <message>
        <source>Cancelled while waiting for the JIG (%1)</source>
        <translation>Отменено во время ожидания программатора (%1)</translation>
    </message>
    <message>
        <source>Связь с программатором потеряна (%1)</source>
        <translation>Связь с программатором потеряна (%1)</translation>
    </message>
    <message>
        <source>The JIG was lost (%1)</source>
        <translation>Связь с программатором потеряна (%1)</translation>
    </message>
    <message>
        <source>Программатор прислал лишние байты (%1)</source>
        <translation>Программатор прислал лишние байты (%1)</translation>
    </message>
    <message>
        <source>The JIG sent more bytes than asked for (%1)</source>
        <translation>Программатор прислал лишние байты (%1)</translation>
    </message>
    <message>
        <source>команда проверки связи</source>
        <translation>команда проверки связи</translation>
    </message>
    <message>
        <source>test command</source>
        <translation>команда проверки связи</translation>
    </message>
    <message>
        <source>вход в режим настроек</source>
        <translation>вход в режим настроек</translation>
    </message>
    <message>
        <source>enter setup</source>
        <translation>вход в режим настроек</translation>
    </message>
    <message>
        <source>конец настроек QQQ</source>
        <translation>конец настроек QQQ</translation>
    </message>
    <message>
        <source>end of setup QQQ</source>
        <translation>конец настроек QQQ</translation>
    </message>
    <message>
        <source>адрес записи</source>
        <translation>адрес записи</translation>
    </message>
    <message>
        <source>write address</source>
        <translation>адрес записи</translation>
    </message>
    <message>
        <source>адресный цикл 0x%1</source>
        <translation>адресный цикл 0x%1</translation>
    </message>
    <message>
        <source>address cycle 0x%1</source>
        <translation>адресный цикл 0x%1</translation>
    </message>
    <message>
        <source>чтение регистра 0x%1</source>
        <translation>чтение регистра 0x%1</translation>
    </message>
    <message>
        <source>data read of register 0x%1</source>
        <translation>чтение регистра 0x%1</translation>
    </message>
    <message>
        <source>назначение вывода %1</source>
        <translation>назначение вывода %1</translation>
    </message>
    <message>
        <source>pin assignment %1</source>
        <translation>назначение вывода %1</translation>
    </message>
    <message>
        <source>запись регистра %1</source>
        <translation>запись регистра %1</translation>
    </message>
    <message>
        <source>register write %1</source>
        <translation>запись регистра %1</translation>
    </message>
    <message>
        <source>блок %1 из %2</source>
        <translation>блок %1 из %2</translation>
    </message>
    <message>
        <source>block %1 of %2</source>
        <translation>блок %1 из %2</translation>
    </message>
    <message>
        <source>Порядок подключения:</source>
        <translation>Порядок подключения:</translation>
    </message>
    <message>
        <source>1. Обесточьте материнскую плату: отключите адаптер питания и батарею.</source>
        <translation>1. Обесточьте материнскую плату: отключите адаптер питания и батарею.</translation>
    </message>
    <message>
        <source>2. Подключите шлейф от 1-го контакта программатора к 1-му контакту разъема клавиатуры.</source>
        <translation>2. Подключите шлейф от 1-го контакта программатора к 1-му контакту разъёма клавиатуры.</translation>
    </message>
    <message>
        <source>3. Соедините землю программатора с землей материнской платы.</source>
        <translation>3. Соедините землю программатора с землёй материнской платы.</translation>
    </message>
    <message>
        <source>4. Выберите материнскую плату (или задайте выводы вручную) и нажмите APPLY.</source>
        <translation>4. Выберите материнскую плату (или задайте выводы вручную) и нажмите ПРИМЕНИТЬ.</translation>
    </message>
    <message>
        <source>5. Нажмите Check connection и сразу подключите адаптер питания (есть 5 секунд),</source>
        <translation>5. Нажмите «Проверить связь» и сразу подключите адаптер питания (есть 5 секунд),</translation>
    </message>
    <message>
        <source>   или подключите питание и нажмите Check connection через 1-3 секунды.</source>
        <translation>   или подключите питание и нажмите «Проверить связь» через 1-3 секунды.</translation>
    </message>
    <message>
        <source>6. Затем READ или WRITE.</source>
        <translation>6. Затем ЧИТАТЬ или ЗАПИСАТЬ.</translation>
    </message>
    <message>
        <source>Чтение всех 128 КБ занимает около 20 секунд, запись - до 5 минут.</source>
        <translation>Чтение всех 128 КБ занимает около 20 секунд, запись - до 5 минут.</translation>
    </message>
    <message>
        <source>How to connect:</source>
        <translation>Порядок подключения:</translation>
    </message>
    <message>
        <source>1. Power the motherboard off: unplug its power adapter and its battery.</source>
        <translation>1. Обесточьте материнскую плату: отключите адаптер питания и батарею.</translation>
    </message>
    <message>
        <source>2. Connect the flat cable from contact 1 of the JIG to contact 1 of the keyboard connector.</source>
        <translation>2. Подключите шлейф от 1-го контакта программатора к 1-му контакту разъёма клавиатуры.</translation>
    </message>
    <message>
        <source>3. Connect the ground of the JIG to the ground of the motherboard.</source>
        <translation>3. Соедините землю программатора с землёй материнской платы.</translation>
    </message>
    <message>
        <source>4. Choose the motherboard (or set the contacts by hand) and press APPLY.</source>
        <translation>4. Выберите материнскую плату (или задайте выводы вручную) и нажмите ПРИМЕНИТЬ.</translation>
    </message>
    <message>
        <source>5. Press Check connection and plug in the power adapter at once (within 5 seconds),</source>
        <translation>5. Нажмите «Проверить связь» и сразу подключите адаптер питания (есть 5 секунд),</translation>
    </message>
    <message>
        <source>   or power the board and press Check connection 1-3 seconds later.</source>
        <translation>   или подключите питание и нажмите «Проверить связь» через 1-3 секунды.</translation>
    </message>
    <message>
        <source>6. Then READ or WRITE.</source>
        <translation>6. Затем ЧИТАТЬ или ЗАПИСАТЬ.</translation>
    </message>
    <message>
        <source>Pin ITE mcu -&gt; pin keyboard connector</source>
        <translation>Вывод ITE -&gt; контакт разъёма клавиатуры</translation>
    </message>
    <message>
        <source>First contact the programmer is connected to the first contact MB (forward or reverse cable, etc.)</source>
        <translation>Первый контакт программатора подключён к первому контакту MB (прямой или перевёрнутый шлейф и т. п.)</translation>
    </message>
    <message>
        <source>Russian / English text</source>
        <translation>Русский / английский текст</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>ПРИМЕНИТЬ</translation>
    </message>
    <message>
        <source>Check connection</source>
        <translation>Проверить связь</translation>
    </message>
    <message>
        <source>READ</source>
        <translation>ЧИТАТЬ</translation>
    </message>
    <message>
        <source>WRITE</source>
        <translation>ЗАПИСАТЬ</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>ВЫХОД</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Чтение</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>PD0 (pin 36 KSO0)</source>
        <translation>PD0 (вывод 36 KSO0)</translation>
    </message>
    <message>
        <source>PD1 (pin 37 KSO1)</source>
        <translation>PD1 (вывод 37 KSO1)</translation>
    </message>
    <message>
        <source>PD2 (pin 38 KSO2)</source>
        <translation>PD2 (вывод 38 KSO2)</translation>
    </message>
    <message>
        <source>PD3 (pin 39 KSO3)</source>
        <translation>PD3 (вывод 39 KSO3)</translation>
    </message>
    <message>
        <source>PD4 (pin 40 KSO4)</source>
        <translation>PD4 (вывод 40 KSO4)</translation>
    </message>
    <message>
        <source>PD5 (pin 41 KSO5)</source>
        <translation>PD5 (вывод 41 KSO5)</translation>
    </message>
    <message>
        <source>PD6 (pin 42 KSO6)</source>
        <translation>PD6 (вывод 42 KSO6)</translation>
    </message>
    <message>
        <source>PD7 (pin 43 KSO7)</source>
        <translation>PD7 (вывод 43 KSO7)</translation>
    </message>
    <message>
        <source>BUSY (pin 45 KSO9)</source>
        <translation>BUSY (вывод 45 KSO9)</translation>
    </message>
    <message>
        <source>KSI4 (pin 62)</source>
        <translation>KSI4 (вывод 62)</translation>
    </message>
    <message>
        <source>KSI5 (pin 63)</source>
        <translation>KSI5 (вывод 63)</translation>
    </message>
</context>
<context>
    <name>Jtag</name>
    <message>
        <source>Connect the power supply to the motherboard, then press Enter (--yes skips this question): </source>
        <translation>Подключите питание к материнской плате и нажмите Enter (--yes пропускает этот вопрос): </translation>
    </message>
    <message>
        <source>no answer: stopped before the connection check</source>
        <translation>нет ответа: остановлено перед проверкой подключения</translation>
    </message>
    <message>
        <source>Verify: reading the flash back ...</source>
        <translation>Проверка: читаем флеш обратно ...</translation>
    </message>
    <message>
        <source>Verify: cannot make a temporary file for the read-back</source>
        <translation>Проверка: не удаётся создать временный файл для обратного чтения</translation>
    </message>
    <message>
        <source>Verify: cannot read the files to compare</source>
        <translation>Проверка: не удаётся прочитать файлы для сравнения</translation>
    </message>
    <message>
        <source>Verify OK: the flash holds </source>
        <translation>Проверка прошла: во флеше записан </translation>
    </message>
    <message>
        <source>Verify FAILED: the flash differs from the file at offset %1 (file %2, flash %3)</source>
        <translation>Проверка НЕ ПРОШЛА: флеш отличается от файла по смещению %1 (файл %2, флеш %3)</translation>
    </message>
    <message>
        <source>the preparation script (as chosen with &quot;###&quot;); default NUVOTON.vss beside the program</source>
        <translation>скрипт подготовки (как выбор кнопкой &quot;###&quot;); по умолчанию NUVOTON.vss рядом с программой</translation>
    </message>
    <message>
        <source>the cable is in pin 1 to pin 30 (the check box unchecked: TYPE A)</source>
        <translation>шлейф подключён вывод 1 к выводу 30 (галочка снята: TYPE A)</translation>
    </message>
    <message>
        <source>do not wait for Enter after the settings (the board is powered)</source>
        <translation>не ждать Enter после настроек (питание на плату уже подано)</translation>
    </message>
    <message>
        <source>print wall time, the simulated JIG&apos;s time and CPU time of each phase</source>
        <translation>вывести для каждой фазы общее время, время имитатора JIG и время процессора</translation>
    </message>
    <message>
        <source>Send the settings, check the JTAG identifier, play the script</source>
        <translation>Отправить настройки, проверить JTAG-идентификатор, выполнить скрипт</translation>
    </message>
    <message>
        <source>Routes the 30-contact cable (PCB3) or names the wires (PCB2), waits for the board&apos;s power, reads the controller&apos;s JTAG identifier (0FE2201F) and plays the script that prepares it.</source>
        <translation>Назначает контакты 30-контактного шлейфа (PCB3) или называет провода (PCB2), ждёт питания платы, читает JTAG-идентификатор контроллера (0FE2201F) и выполняет скрипт, который его подготавливает.</translation>
    </message>
    <message>
        <source>0 identified and prepared, 1 failed, 2 no usable JIG or the script cannot be read, 64 wrong usage</source>
        <translation>0 опознан и подготовлен, 1 ошибка, 2 нет рабочего JIG или скрипт не читается, 64 неверный вызов</translation>
    </message>
    <message>
        <source>Read the whole flash into OUT.bin</source>
        <translation>Прочитать весь флеш в OUT.bin</translation>
    </message>
    <message>
        <source>Runs &quot;jtag check&quot;, then reads the 128 KiB flash into OUT.bin.</source>
        <translation>Выполняет &quot;jtag check&quot;, затем читает флеш 128 КиБ в OUT.bin.</translation>
    </message>
    <message>
        <source>the file the flash is saved to</source>
        <translation>файл, в который сохраняется флеш</translation>
    </message>
    <message>
        <source>0 read, 1 failed, 2 no usable JIG or OUT.bin cannot be created, 64 wrong usage</source>
        <translation>0 прочитано, 1 ошибка, 2 нет рабочего JIG или не удаётся создать OUT.bin, 64 неверный вызов</translation>
    </message>
    <message>
        <source>Erase the flash, write IN.bin and read it back</source>
        <translation>Стереть флеш, записать IN.bin и прочитать обратно</translation>
    </message>
    <message>
        <source>Runs &quot;jtag check&quot;, erases the flash and writes IN.bin (its first 128 KiB; a shorter file is filled up with 0xFF), then runs the check again and reads the flash back; a difference names its first offset.</source>
        <translation>Выполняет &quot;jtag check&quot;, стирает флеш и записывает IN.bin (первые 128 КиБ; короткий файл дополняется 0xFF), затем снова выполняет проверку и читает флеш обратно; при различии называется первое смещение.</translation>
    </message>
    <message>
        <source>the image to write</source>
        <translation>образ для записи</translation>
    </message>
    <message>
        <source>do not read the flash back</source>
        <translation>не читать флеш обратно</translation>
    </message>
    <message>
        <source>0 written (and verified), 1 failed or differs, 2 no usable JIG, IN.bin or the script cannot be read, 64 wrong usage</source>
        <translation>0 записано (и проверено), 1 ошибка или различие, 2 нет рабочего JIG, IN.bin или скрипт не читается, 64 неверный вызов</translation>
    </message>
    <message>
        <source>answer to </source>
        <translation>ответ на </translation>
    </message>
    <message>
        <source> ERASE or WRITE protocol error! 
 Lost communication with a chip EC 
 Please disconnect the power supply from the motherboard!</source>
        <translation> Ошибка протокола СТИРАНИЯ или ЗАПИСИ! 
 Потеряна связь с микросхемой EC 
 Отключите питание от материнской платы!</translation>
    </message>
    <message>
        <source> READ error! 
 Lost communication with a chip EC 
 The file was not changed. 
 Please disconnect the power supply from the motherboard!</source>
        <translation> Ошибка ЧТЕНИЯ! 
 Потеряна связь с микросхемой EC 
 Файл не изменён. 
 Отключите питание от материнской платы!</translation>
    </message>
    <message>
        <source> The script was not played whole! 
 The controller is not prepared: see the log. 
 Please disconnect the power supply from the motherboard!</source>
        <translation> Скрипт выполнен не полностью! 
 Контроллер не подготовлен: см. журнал. 
 Отключите питание от материнской платы!</translation>
    </message>
    <message>
        <source>Please disconnect the power supply from the motherboard!</source>
        <translation>Отключите питание от материнской платы!</translation>
    </message>
    <message>
        <source> Now 
 Please connect the power supply to the motherboard, 
 then click *Check connect to Nuvoton* !</source>
        <translation> Теперь 
 подключите питание к материнской плате, 
 затем нажмите *Проверить связь с Nuvoton* !</translation>
    </message>
    <message>
        <source>Possible reasons 
 1 No power is connected to the motherboard 
 2 No power on a chip EC 
 3 Defective chip EC 
 4 Invalid defined first contact</source>
        <translation>Возможные причины 
 1 Не подано питание на материнскую плату 
 2 Нет питания на микросхеме EC 
 3 Неисправна микросхема EC 
 4 Неверно определён первый контакт</translation>
    </message>
    <message>
        <source>Selected 30 pin FFC (TYPE B)</source>
        <translation>Выбран 30-контактный шлейф (TYPE B)</translation>
    </message>
    <message>
        <source>Selected 30 pin FFC (TYPE A))</source>
        <translation>Выбран 30-контактный шлейф (TYPE A)</translation>
    </message>
    <message>
        <source>Settings for NUVOTON send.</source>
        <translation>Настройки для NUVOTON отправлены.</translation>
    </message>
    <message>
        <source>Current time  </source>
        <translation>Текущее время  </translation>
    </message>
    <message>
        <source>Version FW -&gt; </source>
        <translation>Версия прошивки -&gt; </translation>
    </message>
    <message>
        <source>Communication with programmer installed.</source>
        <translation>Связь с программатором установлена.</translation>
    </message>
    <message>
        <source>User selected </source>
        <translation>Выбрано пользователем: </translation>
    </message>
    <message>
        <source>Please connect GND and: 
</source>
        <translation>Подключите GND и: 
</translation>
    </message>
    <message>
        <source> *** Default file -&gt; NUVOTON.vss</source>
        <translation> *** Файл по умолчанию -&gt; NUVOTON.vss</translation>
    </message>
    <message>
        <source>the JTAG identifier</source>
        <translation>JTAG-идентификатор</translation>
    </message>
    <message>
        <source>Read NUVOTON ID </source>
        <translation>Прочитан ID NUVOTON </translation>
    </message>
    <message>
        <source>Wrong ID. Break.</source>
        <translation>Неверный ID. Прервано.</translation>
    </message>
    <message>
        <source>Break! Open file (.vss) error or not found!</source>
        <translation>Прервано! Файл (.vss) не открывается или не найден!</translation>
    </message>
    <message>
        <source>BIN file NPCE (*.bin)|*.bin</source>
        <translation>BIN файл NPCE (*.bin)|*.bin</translation>
    </message>
    <message>
        <source>Write to file is interrupted. All stop.</source>
        <translation>Запись в файл прервана. Всё остановлено.</translation>
    </message>
    <message>
        <source>Error create file!</source>
        <translation>Ошибка создания файла!</translation>
    </message>
    <message>
        <source>Data from NUVOTON save to file: </source>
        <translation>Данные NUVOTON сохраняются в файл: </translation>
    </message>
    <message>
        <source>BIN file NPCE (*.bin)|*.bin|other|*.*</source>
        <translation>BIN файл NPCE (*.bin)|*.bin|Другие|*.*</translation>
    </message>
    <message>
        <source>Read to file is interrupted. All stop.</source>
        <translation>Чтение файла прервано. Всё остановлено.</translation>
    </message>
    <message>
        <source>Error open file!</source>
        <translation>Ошибка открытия файла!</translation>
    </message>
    <message>
        <source>Write from file: </source>
        <translation>Запись из файла: </translation>
    </message>
    <message>
        <source>The file holds %1 bytes: the rest of the flash is written with FFh.</source>
        <translation>В файле %1 байт: остаток флеша заполняется FFh.</translation>
    </message>
    <message>
        <source>Open vss file(*.vss)|*.vss</source>
        <translation>Файл vss (*.vss)|*.vss</translation>
    </message>
    <message>
        <source>User select VSS file: </source>
        <translation>Выбран файл VSS: </translation>
    </message>
    <message>
        <source>Sending start: </source>
        <translation>Начало отправки: </translation>
    </message>
    <message>
        <source>Error reading the script %1: %2</source>
        <translation>Ошибка чтения скрипта %1: %2</translation>
    </message>
    <message>
        <source>%1: larger than the %2 bytes allowed</source>
        <translation>%1: больше допустимых %2 байт</translation>
    </message>
    <message>
        <source>script line %1, %2</source>
        <translation>строка скрипта %1, %2</translation>
    </message>
    <message>
        <source>Command lines sent: %1 (of %2 lines)</source>
        <translation>Отправлено командных строк: %1 (из %2 строк)</translation>
    </message>
    <message>
        <source>Sending end:   </source>
        <translation>Конец отправки: </translation>
    </message>
    <message>
        <source>I`m ready to READ or WRITE.</source>
        <translation>Готов к ЧТЕНИЮ или ЗАПИСИ.</translation>
    </message>
    <message>
        <source>block %1 of %2</source>
        <translation>блок %1 из %2</translation>
    </message>
    <message>
        <source>: more than 256 bytes</source>
        <translation>: больше 256 байт</translation>
    </message>
    <message>
        <source>Reading ...       </source>
        <translation>Чтение ...        </translation>
    </message>
    <message>
        <source>Reading complete. </source>
        <translation>Чтение завершено. </translation>
    </message>
    <message>
        <source>The controller&apos;s helper serves one pass: checking it and playing the script again.</source>
        <translation>Помощник контроллера работает на один проход: проверяем его и выполняем скрипт заново.</translation>
    </message>
    <message>
        <source>the JTAG identifier, again</source>
        <translation>JTAG-идентификатор, повторно</translation>
    </message>
    <message>
        <source>Read NUVOTON ID %1: not the controller checked before. Break.</source>
        <translation>Прочитан ID NUVOTON %1: это не тот контроллер, что проверялся. Прервано.</translation>
    </message>
    <message>
        <source>script line %1 again, %2</source>
        <translation>строка скрипта %1 повторно, %2</translation>
    </message>
    <message>
        <source>the write set-up, before the erase</source>
        <translation>настройка записи, перед стиранием</translation>
    </message>
    <message>
        <source>FAULT first !=22  </source>
        <translation>ОШИБКА first !=22  </translation>
    </message>
    <message>
        <source>The controller&apos;s helper does not answer: the script did not prepare it. Nothing was erased.</source>
        <translation>Помощник контроллера не отвечает: скрипт его не подготовил. Ничего не стёрто.</translation>
    </message>
    <message>
        <source>status of the erase of sector %1 of %2</source>
        <translation>состояние стирания сектора %1 из %2</translation>
    </message>
    <message>
        <source>Timeout: the flash stays busy (%1, status=%2h)</source>
        <translation>Тайм-аут: флеш остаётся занят (%1, status=%2h)</translation>
    </message>
    <message>
        <source>Erase blocks... </source>
        <translation>Стирание блоков... </translation>
    </message>
    <message>
        <source>erase of sector %1 of %2</source>
        <translation>стирание сектора %1 из %2</translation>
    </message>
    <message>
        <source>Erase complete! %1    status=%2h</source>
        <translation>Стирание завершено! %1    status=%2h</translation>
    </message>
    <message>
        <source>Write bytes ... </source>
        <translation>Запись байтов ... </translation>
    </message>
    <message>
        <source>the write set-up</source>
        <translation>настройка записи</translation>
    </message>
    <message>
        <source>data of block %1 of %2</source>
        <translation>данные блока %1 из %2</translation>
    </message>
    <message>
        <source>FAULT A_gr  !=22h  </source>
        <translation>ОШИБКА A_gr  !=22h  </translation>
    </message>
    <message>
        <source>commit of block %1 of %2</source>
        <translation>фиксация блока %1 из %2</translation>
    </message>
    <message>
        <source>FAULT B_gr  !=22h  </source>
        <translation>ОШИБКА B_gr  !=22h  </translation>
    </message>
    <message>
        <source>Write complete! </source>
        <translation>Запись завершена! </translation>
    </message>
    <message>
        <source>How to work:</source>
        <translation>Порядок работы:</translation>
    </message>
    <message>
        <source>1. Connect the 30 pin FFC between the MB keyboard connector and the JIG.</source>
        <translation>1. Подключите 30-контактный шлейф между разъёмом клавиатуры материнской платы и JIG.</translation>
    </message>
    <message>
        <source>2. Check the GND connection between the motherboard and the JIG.</source>
        <translation>2. Проверьте соединение GND между материнской платой и JIG.</translation>
    </message>
    <message>
        <source>3. Pin 1 to pin 1, or pin 1 to pin 30? Set or clear the check box.</source>
        <translation>3. Вывод 1 к выводу 1 или вывод 1 к выводу 30? Поставьте или снимите галочку.</translation>
    </message>
    <message>
        <source>4. Click &quot;Send settings&quot;.</source>
        <translation>4. Нажмите &quot;Отправить настройки&quot;.</translation>
    </message>
    <message>
        <source>5. Connect the power supply to the motherboard.</source>
        <translation>5. Подключите питание к материнской плате.</translation>
    </message>
    <message>
        <source>6. Click &quot;Check connect to Nuvoton&quot;.</source>
        <translation>6. Нажмите &quot;Проверить связь с Nuvoton&quot;.</translation>
    </message>
    <message>
        <source>7. Click &quot;READ&quot; or &quot;WRITE&quot;.</source>
        <translation>7. Нажмите &quot;ЧТЕНИЕ&quot; или &quot;ЗАПИСЬ&quot;.</translation>
    </message>
    <message>
        <source>8. Disconnect the power supply from the motherboard.</source>
        <translation>8. Отключите питание от материнской платы.</translation>
    </message>
    <message>
        <source>NUVOTON JTAG 11_03_2017</source>
        <translation>NUVOTON JTAG 11_03_2017</translation>
    </message>
    <message>
        <source>Pin 1 connected  to pin 1 on the MB keyboard connector (30 pin FFC)</source>
        <translation>Вывод 1 подключён к выводу 1 разъёма клавиатуры материнской платы (30-контактный шлейф)</translation>
    </message>
    <message>
        <source>Send settings</source>
        <translation>Отправить настройки</translation>
    </message>
    <message>
        <source>Check connect to Nuvoton</source>
        <translation>Проверить связь с Nuvoton</translation>
    </message>
    <message>
        <source>Choose the .vss script</source>
        <translation>Выбрать скрипт .vss</translation>
    </message>
    <message>
        <source>READ</source>
        <translation>ЧТЕНИЕ</translation>
    </message>
    <message>
        <source>WRITE</source>
        <translation>ЗАПИСЬ</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>ВЫХОД</translation>
    </message>
    <message>
        <source>Stop the operation?</source>
        <translation>Остановить операцию?</translation>
    </message>
    <message>
        <source>Script line %1 %2: %3. Nothing of the script was sent.</source>
        <translation>Строка скрипта %1 %2: %3. Ничего из скрипта не отправлено.</translation>
    </message>
    <message>
        <source>text after its CR (are the line ends a CR alone, or is it not an 8-bit text?)</source>
        <translation>текст после CR (концы строк — одиночный CR, или это не 8-битный текст?)</translation>
    </message>
    <message>
        <source>a command line longer than %1 bytes</source>
        <translation>командная строка длиннее %1 байт</translation>
    </message>
    <message>
        <source>not a command the script format knows (i XX, d XX, d XX = YYYYYYYY [ZZ], D YYYYYYYY)</source>
        <translation>команда, неизвестная формату скрипта (i XX, d XX, d XX = YYYYYYYY [ZZ], D YYYYYYYY)</translation>
    </message>
    <message>
        <source>the last line has no line end (LF), so it would never run</source>
        <translation>у последней строки нет конца строки (LF), поэтому она никогда не выполнится</translation>
    </message>
    <message>
        <source>The script holds no command line (i, d or D): nothing to send. Is it an 8-bit text file?</source>
        <translation>В скрипте нет ни одной командной строки (i, d или D): нечего отправлять. Это 8-битный текстовый файл?</translation>
    </message>
</context>
<context>
    <name>Keyboard</name>
    <message>
        <source>--seconds needs a whole number of seconds</source>
        <translation>--seconds: нужно целое число секунд</translation>
    </message>
    <message>
        <source>Scanning; press keys (Ctrl+C ends).</source>
        <translation>Сканирование; нажимайте клавиши (Ctrl+C завершает).</translation>
    </message>
    <message>
        <source>Scanning; press keys.</source>
        <translation>Сканирование; нажимайте клавиши.</translation>
    </message>
    <message>
        <source>Pairs seen: %1</source>
        <translation>Замеченные пары: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>scan ended: %1</source>
        <translation>сканирование прервано: %1</translation>
    </message>
    <message>
        <source>Print the keyboard&apos;s pin pairs as they close</source>
        <translation>Показывать пары контактов клавиатуры по мере замыкания</translation>
    </message>
    <message>
        <source>Scans the keyboard on the JIG&apos;s connector and prints each pin pair when it closes (&quot;3-5  (Shape69)&quot;), for N seconds or until Ctrl+C; then the pairs seen.</source>
        <translation>Сканирует клавиатуру на разъёме JIG и показывает каждую пару контактов при замыкании (&quot;3-5  (Shape69)&quot;) N секунд или до Ctrl+C; затем замеченные пары.</translation>
    </message>
    <message>
        <source>stop after N seconds (default: at Ctrl+C)</source>
        <translation>остановить через N секунд (по умолчанию: по Ctrl+C)</translation>
    </message>
    <message>
        <source>0 stopped, 1 the JIG stopped answering (&quot;Device not found&quot;), 2 no usable JIG, 64 wrong usage</source>
        <translation>0 остановлено, 1 JIG перестал отвечать (&quot;Устройство не найдено&quot;), 2 нет рабочего JIG, 64 неверный вызов</translation>
    </message>
    <message>
        <source>no %1 within 1000 ms</source>
        <translation>нет %1 за 1000 мс</translation>
    </message>
    <message>
        <source>device error while waiting for %1</source>
        <translation>ошибка устройства при ожидании %1</translation>
    </message>
    <message>
        <source>the scan request could not be sent</source>
        <translation>не удалось отправить запрос сканирования</translation>
    </message>
    <message>
        <source>scan answer</source>
        <translation>ответа сканирования</translation>
    </message>
    <message>
        <source>the buzzer signal could not be sent</source>
        <translation>не удалось отправить сигнал зуммера</translation>
    </message>
    <message>
        <source>buzzer acknowledgement</source>
        <translation>подтверждения зуммера</translation>
    </message>
    <message>
        <source>the answer did not end within 1024 bytes</source>
        <translation>ответ не закончился в пределах 1024 байт</translation>
    </message>
    <message>
        <source>Ready to work</source>
        <translation>Готов к работе</translation>
    </message>
    <message>
        <source>Device not found</source>
        <translation>Устройство не найдено</translation>
    </message>
    <message>
        <source>Please update FW</source>
        <translation>Обновите прошивку</translation>
    </message>
    <message>
        <source>Press start scan</source>
        <translation>Нажмите «Начать сканирование»</translation>
    </message>
    <message>
        <source>Keyboard_testing 02_03_2017</source>
        <translation>Проверка клавиатуры 02_03_2017</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>СТОП</translation>
    </message>
    <message>
        <source>START SCAN</source>
        <translation>НАЧАТЬ СКАНИРОВАНИЕ</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>ВЫХОД</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Buzzer off</source>
        <translation>Без зуммера</translation>
    </message>
    <message>
        <source>Hide current</source>
        <translation>Скрыть текущие</translation>
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
    <message>
        <source>Check the JTAG connection: ID, registers, FWP and Boot_Lock</source>
        <translation>Проверить связь по JTAG: ID, регистры, FWP и Boot_Lock</translation>
    </message>
    <message>
        <source>Reads the JTAG ID and the registers FFFD00h, FF3908h, FF3910h and FF390Ch of a MEC16xx and tells whether the nFWP pin or Boot_Lock protects its flash. Nothing is written to the controller.</source>
        <translation>Читает JTAG ID и регистры FFFD00h, FF3908h, FF3910h и FF390Ch микросхемы MEC16xx и сообщает, защищена ли её флеш-память выводом nFWP или битом Boot_Lock. В контроллер ничего не записывается.</translation>
    </message>
    <message>
        <source>0 connected and not protected, 1 a step failed or the flash is protected, 2 no usable JIG, 64 wrong usage</source>
        <translation>0 связь есть и защиты нет, 1 шаг не удался или флеш защищена, 2 нет рабочего JIG, 64 неверный вызов</translation>
    </message>
    <message>
        <source>Read MAIN (192 KiB) or MAIN+INFO into OUT.bin</source>
        <translation>Прочитать MAIN (192 КиБ) или MAIN+INFO в OUT.bin</translation>
    </message>
    <message>
        <source>Reads the MAIN block of a MEC16xx (196608 bytes) into OUT.bin; with --info the 2048 INFO bytes follow it (198656 bytes).</source>
        <translation>Читает блок MAIN микросхемы MEC16xx (196608 байт) в OUT.bin; с --info за ним следуют 2048 байт INFO (всего 198656 байт).</translation>
    </message>
    <message>
        <source>the file the flash is saved to</source>
        <translation>файл, в который сохраняется флеш-память</translation>
    </message>
    <message>
        <source>also read the INFO block, after MAIN</source>
        <translation>прочитать после MAIN ещё и блок INFO</translation>
    </message>
    <message>
        <source>0 read, 1 failed, 2 no usable JIG or OUT.bin cannot be created, 64 wrong usage</source>
        <translation>0 прочитано, 1 ошибка, 2 нет рабочего JIG или OUT.bin не создаётся, 64 неверный вызов</translation>
    </message>
    <message>
        <source>Erase MAIN (with --info also INFO)</source>
        <translation>Стереть MAIN (с --info ещё и INFO)</translation>
    </message>
    <message>
        <source>Erases the MAIN block of a MEC16xx, with --info MAIN and INFO. Refused while the nFWP pin or Boot_Lock protects the flash.</source>
        <translation>Стирает блок MAIN микросхемы MEC16xx, с --info блоки MAIN и INFO. Отказывается, пока флеш защищена выводом nFWP или битом Boot_Lock.</translation>
    </message>
    <message>
        <source>also erase the INFO block (no command writes it back)</source>
        <translation>стереть ещё и блок INFO (ни одна команда не записывает его обратно)</translation>
    </message>
    <message>
        <source>agree to erase INFO; without it --info is refused</source>
        <translation>согласие на стирание INFO; без него --info не принимается</translation>
    </message>
    <message>
        <source>0 erased, 1 failed or protected, 2 no usable JIG, 64 wrong usage</source>
        <translation>0 стёрто, 1 ошибка или защита, 2 нет рабочего JIG, 64 неверный вызов</translation>
    </message>
    <message>
        <source>Erase, write IN.bin into MAIN, read back and compare</source>
        <translation>Стереть, записать IN.bin в MAIN, прочитать обратно и сравнить</translation>
    </message>
    <message>
        <source>Writes the first 196608 bytes of IN.bin into the MAIN block of a MEC16xx (a shorter file is filled up with 0xFF; INFO is left as it is). MAIN is erased first and read back afterwards; a difference names the first differing offset. The erase (or, with --no-erase, the write) reads MAIN and INFO into a backup file first.</source>
        <translation>Записывает первые 196608 байт IN.bin в блок MAIN микросхемы MEC16xx (более короткий файл дополняется байтами 0xFF; INFO не трогается). Перед записью MAIN стирается, после неё читается обратно; при различии называется первый отличающийся адрес. Стирание (или, с --no-erase, запись) сначала читает MAIN и INFO в резервный файл.</translation>
    </message>
    <message>
        <source>the image to write</source>
        <translation>образ для записи</translation>
    </message>
    <message>
        <source>do not erase MAIN first (it must already be blank)</source>
        <translation>не стирать MAIN перед записью (он должен быть уже чистым)</translation>
    </message>
    <message>
        <source>do not read MAIN back</source>
        <translation>не читать MAIN обратно</translation>
    </message>
    <message>
        <source>0 written (and verified), 1 failed or differs, 2 no usable JIG or IN.bin cannot be read, 64 wrong usage</source>
        <translation>0 записано (и проверено), 1 ошибка или различие, 2 нет рабочего JIG или IN.bin не читается, 64 неверный вызов</translation>
    </message>
</context>
<context>
    <name>Npce</name>
    <message>
        <source>Read the whole flash into OUT.bin</source>
        <translation>Прочитать весь флеш в OUT.bin</translation>
    </message>
    <message>
        <source>Reads the 128 KiB SPI flash of a Nuvoton NPCE288N/388N into OUT.bin, after checking the flash ID (EF 40 12). OUT.bin is replaced only by a read that succeeded; otherwise the blocks received are kept in OUT.bin.partial.</source>
        <translation>Читает SPI-флеш 128 КиБ микросхемы Nuvoton NPCE288N/388N в OUT.bin, предварительно проверив ID флеша (EF 40 12). OUT.bin заменяется только удачным чтением; иначе принятые блоки остаются в OUT.bin.partial.</translation>
    </message>
    <message>
        <source>the file the flash is saved to</source>
        <translation>файл, в который сохраняется флеш</translation>
    </message>
    <message>
        <source>0 read, 1 failed, 2 no usable JIG or OUT.bin cannot be created, 64 wrong usage</source>
        <translation>0 прочитано, 1 ошибка, 2 нет рабочего JIG или не удаётся создать OUT.bin, 64 неверный вызов</translation>
    </message>
    <message>
        <source>Erase the flash, write IN.bin and verify it</source>
        <translation>Стереть флеш, записать IN.bin и проверить</translation>
    </message>
    <message>
        <source>Erases the flash of a Nuvoton NPCE288N/388N, checks that it is blank, writes IN.bin (at most 128 KiB; a shorter file is filled up with FFh) in 256-byte pages and verifies it by reading it back. The file is checked before the JIG is asked for anything.</source>
        <translation>Стирает флеш Nuvoton NPCE288N/388N, проверяет, что он чистый, записывает IN.bin (не больше 128 КиБ; короткий файл дополняется FFh) страницами по 256 байт и проверяет обратным чтением. Файл проверяется до любого обращения к JIG.</translation>
    </message>
    <message>
        <source>the image to write</source>
        <translation>образ для записи</translation>
    </message>
    <message>
        <source>0 written and verified, 1 failed or IN.bin refused (empty, too large), 2 no usable JIG or IN.bin cannot be read, 64 wrong usage</source>
        <translation>0 записано и проверено, 1 ошибка или IN.bin отклонён (пустой, слишком большой), 2 нет рабочего JIG или IN.bin не читается, 64 неверный вызов</translation>
    </message>
    <message>
        <source>flash ID</source>
        <translation>ID флеша</translation>
    </message>
    <message>
        <source>Communication with NPCE installed.</source>
        <translation>Связь с NPCE установлена.</translation>
    </message>
    <message>
        <source>ID FLASH EFh 4012h </source>
        <translation>ID флеша EFh 4012h </translation>
    </message>
    <message>
        <source>No connection to the NPCE! reading ID -&gt; </source>
        <translation>Нет связи с NPCE! прочитан ID -&gt; </translation>
    </message>
    <message>
        <source>Check soldering NPCE or chip damaged.</source>
        <translation>Проверьте пайку NPCE, или микросхема повреждена.</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>BIN file NPCE (*.bin)|*.bin</source>
        <translation>BIN файл NPCE (*.bin)|*.bin</translation>
    </message>
    <message>
        <source>Write to file is interrupted.</source>
        <translation>Запись в файл прервана.</translation>
    </message>
    <message>
        <source>Ошибка создания файла.</source>
        <translation>Ошибка создания файла.</translation>
    </message>
    <message>
        <source>Save the file: </source>
        <translation>Сохраняем файл: </translation>
    </message>
    <message>
        <source>Reading ...</source>
        <translation>Чтение ...</translation>
    </message>
    <message>
        <source>Read file</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>BIN file NPCE (*.bin)|*.bin|other|*.*</source>
        <translation>BIN файл NPCE (*.bin)|*.bin|Другие|*.*</translation>
    </message>
    <message>
        <source>Write operation is interrupted.</source>
        <translation>Запись прервана.</translation>
    </message>
    <message>
        <source>Ошибка открытия файла.</source>
        <translation>Ошибка открытия файла.</translation>
    </message>
    <message>
        <source>Write to NPCE file:</source>
        <translation>Запись в NPCE файла:</translation>
    </message>
    <message>
        <source>Erase ...</source>
        <translation>Стирание ...</translation>
    </message>
    <message>
        <source>Current time  </source>
        <translation>Текущее время  </translation>
    </message>
    <message>
        <source>answer to the success signal</source>
        <translation>ответ на сигнал успеха</translation>
    </message>
    <message>
        <source>answer to the failure signal</source>
        <translation>ответ на сигнал ошибки</translation>
    </message>
    <message>
        <source>ERROR timeout. Corrupted data !? </source>
        <translation>ОШИБКА тайм-аут. Данные повреждены !? </translation>
    </message>
    <message>
        <source>** Lost contact with the chip or ERROR timeout **</source>
        <translation>** Потерян контакт с микросхемой или ОШИБКА тайм-аут **</translation>
    </message>
    <message>
        <source>** ERROR write or ERROR timeout **</source>
        <translation>** ОШИБКА записи или ОШИБКА тайм-аут **</translation>
    </message>
    <message>
        <source>block %1 of %2</source>
        <translation>блок %1 из %2</translation>
    </message>
    <message>
        <source>after block %1 of %2</source>
        <translation>после блока %1 из %2</translation>
    </message>
    <message>
        <source>end of the read</source>
        <translation>конец чтения</translation>
    </message>
    <message>
        <source>Reading complete ...</source>
        <translation>Чтение завершено ...</translation>
    </message>
    <message>
        <source>All data is clear!</source>
        <translation>Все данные чистые!</translation>
    </message>
    <message>
        <source>Write ...</source>
        <translation>Запись ...</translation>
    </message>
    <message>
        <source>Verify ...</source>
        <translation>Проверка ...</translation>
    </message>
    <message>
        <source>answer to the erase</source>
        <translation>ответ на стирание</translation>
    </message>
    <message>
        <source>Check clear data ...</source>
        <translation>Проверка чистоты ...</translation>
    </message>
    <message>
        <source>answer to the blank check</source>
        <translation>ответ на проверку чистоты</translation>
    </message>
    <message>
        <source>** Data not clear !**</source>
        <translation>** Данные не чистые !**</translation>
    </message>
    <message>
        <source>ready for block %1 of %2</source>
        <translation>готовность к блоку %1 из %2</translation>
    </message>
    <message>
        <source>** HOST/M88 Protocol ERROR **</source>
        <translation>** ОШИБКА протокола HOST/M88 **</translation>
    </message>
    <message>
        <source>sending block %1 of %2</source>
        <translation>отправка блока %1 из %2</translation>
    </message>
    <message>
        <source>status of block %1 of %2</source>
        <translation>состояние блока %1 из %2</translation>
    </message>
    <message>
        <source>answer to the end of the write</source>
        <translation>ответ на конец записи</translation>
    </message>
    <message>
        <source>verify block %1 of %2</source>
        <translation>проверка блока %1 из %2</translation>
    </message>
    <message>
        <source>Принято не 512 байт  </source>
        <translation>Принято не 512 байт  </translation>
    </message>
    <message>
        <source>after verify block %1 of %2</source>
        <translation>после проверки блока %1 из %2</translation>
    </message>
    <message>
        <source>end of the verify</source>
        <translation>конец проверки</translation>
    </message>
    <message>
        <source>Nuvoton chip is programmed succesfully!</source>
        <translation>Микросхема Nuvoton успешно запрограммирована!</translation>
    </message>
    <message>
        <source>*** Data is written incorrectly ***</source>
        <translation>*** Данные записаны неверно ***</translation>
    </message>
    <message>
        <source>Verify: the flash differs from the image at offset %1 (image %2, flash %3); %4 of the %5 bytes of that block differ</source>
        <translation>Проверка: флеш отличается от образа по смещению %1 (образ %2, флеш %3); в этом блоке различаются %4 из %5 байт</translation>
    </message>
    <message>
        <source>NPCE288N/388N 02_02_2017</source>
        <translation>NPCE288N/388N 02_02_2017</translation>
    </message>
    <message>
        <source>Nuvoton_READ</source>
        <translation>Nuvoton_ЧТЕНИЕ</translation>
    </message>
    <message>
        <source>Nuvoton_WRITE</source>
        <translation>Nuvoton_ЗАПИСЬ</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>ВЫХОД</translation>
    </message>
    <message>
        <source>Stop the operation?</source>
        <translation>Остановить операцию?</translation>
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
