#pragma once
// ITE mode's operator messages. The window keeps a Russian and an English log and writes every
// message to both; a language chosen for the program translates each log into its own language
// (so the window's language box keeps choosing between Russian and English).
#include "port/TrIn.h"

#include <string>

// A message's two source texts, translated when it is said.
struct IteSource {
    const char* ru;
    const char* en;
};

struct IteText {
    std::string ru;
    std::string en;
    IteText(std::string russian, std::string english)
        : ru(std::move(russian)), en(std::move(english)) {}
    IteText(const IteSource& source) // NOLINT: every source converts where a text is said
        : ru(TrIn(Language::Russian, "Ite", source.ru)),
          en(TrIn(Language::English, "Ite", source.en)) {}
    bool operator==(const IteText&) const = default;
};

inline IteText operator+(const IteText& t, const std::string& tail) {
    return {t.ru + tail, t.en + tail};
}

// The source's texts translated, their %1, %2 ... filled with `args`.
template <typename... A> IteText IteFill(const IteSource& source, const A&... args) {
    const IteText text(source);
    return {Fill(text.ru, args...), Fill(text.en, args...)};
}

namespace IteTexts {
// ---- motherboard database and mirroring
inline IteText KeyMissing(const std::string& key) {
    return IteFill({TR_NOOP("Ite", "Не найдена информация по номеру ножки для %1 !"),
                    TR_NOOP("Ite", "Information about the contact number %1 is not found!")},
                   key);
}
inline IteText InvalidContact(const std::string& key) {
    return IteFill({TR_NOOP("Ite", "Неверный номер ножки для %1 !"),
                    TR_NOOP("Ite", "Invalid contact number %1")},
                   key);
}
inline constexpr IteSource kPinCountMissing{
    TR_NOOP("Ite", "Не найдена информация по количеству контактов разьема клавиатуры на MB!"),
    TR_NOOP("Ite",
            "Not found the information on the number of contacts on the keyboard connector MB!")};
inline constexpr IteSource kNoContact{
    TR_NOOP("Ite", "Все сигналы на NC: ни один контакт не подключён к EC. Выберите плату или "
                   "задайте контакты, затем отправьте настройки."),
    TR_NOOP("Ite", "Every signal is on NC: no contact reaches the EC. Choose the motherboard or "
                   "set the contacts, then send the settings.")};
inline constexpr IteSource kPinCountWrong{
    TR_NOOP("Ite", "Неверное количество контактов разьема клавиатуры (23 < допустимо < 33)!"),
    TR_NOOP("Ite", "Wrong number of keyboard connector contacts (23 < acceptable <33)!")};

// ---- check connection and settings
inline constexpr IteSource kCheckConnection{TR_NOOP("Ite", "Проверка связи ..."),
                                            TR_NOOP("Ite", "Check connection ...")};
inline constexpr IteSource kProgrammerReady{
    TR_NOOP("Ite", "Программатор найден и готов к работе."),
    TR_NOOP("Ite", "The programmer is found and ready to go.")};
inline constexpr IteSource kConnectAdapter{
    TR_NOOP("Ite", "Теперь, как можно быстрее, подключите адаптер (5 сек) ! "),
    TR_NOOP("Ite", "Now, as soon as possible, connect the adapter (5 seconds) !")};
inline constexpr IteSource kNotResponding{
    TR_NOOP("Ite",
            "ITE мульт нам не отвечает, проверяйте соединение и настройки выводов. MB запитана? "),
    TR_NOOP("Ite", "ITE we do not respond, check the connection and settings. MB powered? ")};
inline constexpr IteSource kSendSettings{TR_NOOP("Ite", "Отправляем настройки под MB."),
                                         TR_NOOP("Ite", "Send the settings for MB.")};
inline constexpr IteSource kSetupRefused{TR_NOOP("Ite", "Ошибка при входе в режим настроек."),
                                         TR_NOOP("Ite", "Error when entering the setup mode.")};
inline constexpr IteSource kPinsRefused{TR_NOOP("Ite", "Ошибка протокола при настройке выводов."),
                                        TR_NOOP("Ite", "Protocol error when setting pins.")};
inline constexpr IteSource kSettingsSent{TR_NOOP("Ite", "Настройки все отправлены."),
                                         TR_NOOP("Ite", "All settings sent.")};
// The check's answer: %1 the ID, %2 the revision.
inline constexpr IteSource kChipId{TR_NOOP("Ite", "Received ITE ID  -> %1 rev -> %2"),
                                   TR_NOOP("Ite", "Received ITE ID  -> %1 rev -> %2")};

// ---- read
inline constexpr IteSource kReadCancelled{
    TR_NOOP("Ite", "Чтение отмененено пользователем. Все сворачиваем. (RD_DLG)"),
    TR_NOOP("Ite", "Reading canceled by the user. All displace. (RD_DLG)")};
inline constexpr IteSource kCreateFailed{TR_NOOP("Ite", "Ошибка при создании файла. (RD_CRT_DLG)"),
                                         TR_NOOP("Ite", "Error creating file. (RD_CRT_DLG)")};
inline constexpr IteSource kCurrentTime{TR_NOOP("Ite", "Текущее время  "),
                                        TR_NOOP("Ite", "Current time  ")};
inline constexpr IteSource kSaveTo{TR_NOOP("Ite", "Сохраняем в файл: "),
                                   TR_NOOP("Ite", "Write to file: ")};
inline constexpr IteSource kReadStart{TR_NOOP("Ite", "Начинаем чтение ITE ..."),
                                      TR_NOOP("Ite", "Reading start...")};
inline constexpr IteSource kInit{TR_NOOP("Ite", "Преподготовка ITE ..."),
                                 TR_NOOP("Ite", "INIT ...")};
inline constexpr IteSource kInitDone{TR_NOOP("Ite", "Закончили преподготовку ..."),
                                     TR_NOOP("Ite", "INIT complete.")};
inline constexpr IteSource kReading{TR_NOOP("Ite", "Читаю, пожалуйста ждите ..."),
                                    TR_NOOP("Ite", "READ, please wait ...")};
inline constexpr IteSource kBlockReadError{TR_NOOP("Ite", "Ошибка при чтении блока ->"),
                                           TR_NOOP("Ite", "ERROR reading block ->")};
inline constexpr IteSource kReadDone{TR_NOOP("Ite", "Мы все прочитали "),
                                     TR_NOOP("Ite", "Reading complete. ")};
inline IteText FileWriteError(const std::string& file, const std::string& why) {
    return IteFill({TR_NOOP("Ite", "Ошибка записи в файл %1: %2"),
                    TR_NOOP("Ite", "Error writing the file %1: %2")},
                   file, why);
}

// ---- write
inline constexpr IteSource kWriteCancelled{
    TR_NOOP("Ite", "Запись отмененена пользователем. Все сворачиваем. (WR_DLG)"),
    TR_NOOP("Ite", "WRITE canceled by the user. all displace. (WR_DLG)")};
inline constexpr IteSource kOpenFailed{TR_NOOP("Ite", "Ошибка при открытии файла. (WR_OPN_DLG)"),
                                       TR_NOOP("Ite", "Error opening the file. (WR_OPN_DLG)")};
inline constexpr IteSource kDataFile{TR_NOOP("Ite", "Пишем из файла: "),
                                     TR_NOOP("Ite", "Data file: ")};
inline constexpr IteSource kWriteStart{TR_NOOP("Ite", "Начинаем запись ITE ..."),
                                       TR_NOOP("Ite", "Writing starts ...")};
inline constexpr IteSource kEraseSent{
    TR_NOOP("Ite", "Команда стирания чипа отправлена (0x60/0xC7)..."),
    TR_NOOP("Ite", "ERASE complete.")};
inline constexpr IteSource kFileLoaded{TR_NOOP("Ite", "Считали 131072 байта в буфер ..."),
                                       TR_NOOP("Ite", "File loaded to buffer.")};
inline constexpr IteSource kFfCount{
    TR_NOOP("Ite", "Количество байт равных 0xFF в файле -> "),
    TR_NOOP("Ite", "The number of bytes equal to the value of FFh -> ")};
inline constexpr IteSource kWriting{TR_NOOP("Ite", "Начинаем писать байты ..."),
                                    TR_NOOP("Ite", "WRITE, please wait ...")};
inline constexpr IteSource kAddressError{
    TR_NOOP("Ite", "Ошибка протокола при отправке адреса во флеш."),
    TR_NOOP("Ite", "Protocol error while sending addresses in a flash.")};
inline constexpr IteSource kBlockWriteError{
    TR_NOOP("Ite", "Ошибка записи во флеш или потеряна связь с ITE"),
    TR_NOOP("Ite", "Error writing to flash or lost contact with ITE")};
inline constexpr IteSource kWriteDone{TR_NOOP("Ite", "Мы все записали. "),
                                      TR_NOOP("Ite", "WRITE complete.")};

// ---- a wait that ended without the JIG's answer; the step is named in both languages
// The source's texts with each log's name of the step for %1.
inline IteText WithStep(const IteSource& source, const IteText& step) {
    const IteText text(source);
    return {Fill(text.ru, step.ru), Fill(text.en, step.en)};
}
inline IteText NoAnswer(const IteText& step) {
    return WithStep({TR_NOOP("Ite", "Нет ответа от программатора (%1)"),
                     TR_NOOP("Ite", "Timeout: no answer from the JIG (%1)")},
                    step);
}
inline IteText WaitCancelled(const IteText& step) {
    return WithStep({TR_NOOP("Ite", "Отменено во время ожидания программатора (%1)"),
                     TR_NOOP("Ite", "Cancelled while waiting for the JIG (%1)")},
                    step);
}
inline IteText JigLost(const IteText& step) {
    return WithStep({TR_NOOP("Ite", "Связь с программатором потеряна (%1)"),
                     TR_NOOP("Ite", "The JIG was lost (%1)")},
                    step);
}
inline IteText TooMuchData(const IteText& step) {
    return WithStep({TR_NOOP("Ite", "Программатор прислал лишние байты (%1)"),
                     TR_NOOP("Ite", "The JIG sent more bytes than asked for (%1)")},
                    step);
}
} // namespace IteTexts
