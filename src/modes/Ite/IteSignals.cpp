#include "modes/Ite/IteSignals.h"

#include "port/TrNoop.h"

#include <stdexcept>
#include <string>

const std::array<IteSignal, Ite::kSignals>& IteSignals() {
    using G = IteSignalGroup;
    static const std::array<IteSignal, Ite::kSignals> signals{{
        {"PD0", TR_NOOP("Ite", "PD0 (pin 36 KSO0)"), "PD0=", 1, "d0", G::Data},
        {"PD1", TR_NOOP("Ite", "PD1 (pin 37 KSO1)"), "PD1=", 2, "d1", G::Data},
        {"PD2", TR_NOOP("Ite", "PD2 (pin 38 KSO2)"), "PD2=", 3, "d2", G::Data},
        {"PD3", TR_NOOP("Ite", "PD3 (pin 39 KSO3)"), "PD3=", 4, "d3", G::Data},
        {"PD4", TR_NOOP("Ite", "PD4 (pin 40 KSO4)"), "PD4=", 5, "d4", G::Data},
        {"PD5", TR_NOOP("Ite", "PD5 (pin 41 KSO5)"), "PD5=", 6, "d5", G::Data},
        {"PD6", TR_NOOP("Ite", "PD6 (pin 42 KSO6)"), "PD6=", 7, "d6", G::Data},
        {"PD7", TR_NOOP("Ite", "PD7 (pin 43 KSO7)"), "PD7=", 8, "d7", G::Data},
        {"BUSY", TR_NOOP("Ite", "BUSY (pin 45 KSO9)"), "BUSY=", 13, "BL", G::Busy},
        {"STB", "STB# (58 KSI0) WR/RD 0/1", "STB=", 9, "WR", G::Strobe},
        {"AFD", "AFD# (59 KSI1) DS", "AFD=", 10, "DS", G::Strobe},
        {"INIT", "INIT# (60 KSI2) IN", "INIT=", 12, "IN", G::Strobe},
        {"SLIN", "SLIN# (61 KSI3) AS", "SLIN=", 11, "AS", G::Strobe},
        {"KSI4", TR_NOOP("Ite", "KSI4 (pin 62)"), "KSI4=", 14, "K4", G::Input},
        {"KSI5", TR_NOOP("Ite", "KSI5 (pin 63)"), "KSI5=", 15, "K5", G::Input},
    }};
    return signals;
}

const std::array<int, Ite::kSignals>& IteSendOrder() {
    static const std::array<int, Ite::kSignals> order{12, 10, 11, 9, 14, 15, 13, 1,
                                                      2,  3,  4,  5, 6,  7,  8};
    return order;
}

const IteSignal& IteSignalOfBox(int box) {
    for (const IteSignal& s : IteSignals())
        if (s.box == box)
            return s;
    throw std::out_of_range("no ITE signal box " + std::to_string(box));
}

std::uint8_t IteContactByte(int value) {
    if (value < Ite::kNotConnected || value > Ite::kContacts)
        return 0xFF;
    return static_cast<std::uint8_t>(value);
}
