#include "modes/Mec16xx/MecTexts.h"

#include "port/TimeText.h"

namespace Mec {

const std::vector<std::string>& OpeningNotes() {
    static const std::vector<std::string> lines{
        "Запись блока INFO не готова",
        "Автоматическая проверка не готова, но можно сравнить во ",
        "внешнем редакторе.",
        "Перед записью необходимо стереть! ",
        "",
        "The block INFO is not ready to write",
        "Auto verification is not ready, but it can be compared in ",
        "an external editor.",
        "Before recording it is necessary to erase! ",
        "",
    };
    return lines;
}

const std::vector<std::string>& HelpLines() {
    static const std::vector<std::string> lines{
        "Распиновка для расширенной версии (PCB2):",
        "1-JRST mec16 (не обязательно!)",
        "2-TMS mec16",
        "3-TDO mec16",
        "5-TCLK mec16",
        "6-GND",
        "7-TDI mec16",
        "На первой версии платы (PCB1) вывод 1-JRST не подключается.",
        "",
        "Для записи MEC нужен резистор 2 кОм от ножки nFWP на +3V, резистор на GND можно не "
        "снимать.",
        "Проверьте, что ножка JTAG_RESET не посажена на GND резистором 0 Ом.",
        "",
        "В зависимости от материнской платы одну из ножек VCI_IN0(D2), VCI_IN1(F4), "
        "VCI_IN2(C2), VCI_IN3(E1) нужно посадить на землю.",
        "Для MBX-237 нужно посадить на землю VCI_IN1(F4).",
        "На всех ножках VTR должно быть +3V.",
        "Не тестировалось с MEC1619 - могут быть проблемы с записью.",
    };
    return lines;
}

std::string TimeLine(const char* prefix) {
    return prefix + ShortDateText() + " " + LongTimeText();
}

std::string BlockStep(const char* what, int block, int of) {
    return std::string(what) + " " + std::to_string(block) + " of " + std::to_string(of);
}

} // namespace Mec
