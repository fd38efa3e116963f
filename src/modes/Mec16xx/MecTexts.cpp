#include "modes/Mec16xx/MecTexts.h"

#include "port/TimeText.h"
#include "port/Tr.h"

namespace Mec {

const std::vector<std::string>& OpeningNotes() {
    static const std::vector<std::string> lines{
        TR_NOOP("Mec", "Запись блока INFO не готова"),
        TR_NOOP("Mec", "Автоматическая проверка не готова, но можно сравнить во "),
        TR_NOOP("Mec", "внешнем редакторе."),
        TR_NOOP("Mec", "Перед записью необходимо стереть! "),
        "",
        TR_NOOP("Mec", "The block INFO is not ready to write"),
        TR_NOOP("Mec", "Auto verification is not ready, but it can be compared in "),
        TR_NOOP("Mec", "an external editor."),
        TR_NOOP("Mec", "Before recording it is necessary to erase! "),
        "",
    };
    return lines;
}

const std::vector<std::string>& HelpLines() {
    static const std::vector<std::string> lines{
        TR_NOOP("Mec", "Распиновка для расширенной версии (PCB2):"),
        TR_NOOP("Mec", "1-JRST mec16 (не обязательно!)"),
        TR_NOOP("Mec", "2-TMS mec16"),
        TR_NOOP("Mec", "3-TDO mec16"),
        TR_NOOP("Mec", "5-TCLK mec16"),
        TR_NOOP("Mec", "6-GND"),
        TR_NOOP("Mec", "7-TDI mec16"),
        TR_NOOP("Mec", "На первой версии платы (PCB1) вывод 1-JRST не подключается."),
        "",
        TR_NOOP("Mec", "Для записи MEC нужен резистор 2 кОм от ножки nFWP на +3V, резистор на GND "
                       "можно не снимать."),
        TR_NOOP("Mec", "Проверьте, что ножка JTAG_RESET не посажена на GND резистором 0 Ом."),
        "",
        TR_NOOP("Mec", "В зависимости от материнской платы одну из ножек VCI_IN0(D2), VCI_IN1(F4), "
                       "VCI_IN2(C2), VCI_IN3(E1) нужно посадить на землю."),
        TR_NOOP("Mec", "Для MBX-237 нужно посадить на землю VCI_IN1(F4)."),
        TR_NOOP("Mec", "На всех ножках VTR должно быть +3V."),
        TR_NOOP("Mec", "Не тестировалось с MEC1619 - могут быть проблемы с записью."),
    };
    return lines;
}

std::string TimeLine(const char* prefix) {
    return Tr("Mec", prefix) + ShortDateText() + " " + LongTimeText();
}

std::string BlockStep(const char* what, int block, int of) {
    return Fill(Tr("Mec", what), std::to_string(block), std::to_string(of));
}

} // namespace Mec
