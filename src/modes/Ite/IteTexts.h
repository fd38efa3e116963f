#pragma once
// ITE mode's operator messages. The window keeps a Russian and an English log and writes every
// message to both.
#include <string>

struct IteText {
    std::string ru;
    std::string en;
    bool operator==(const IteText&) const = default;
};

inline IteText operator+(const IteText& t, const std::string& tail) {
    return {t.ru + tail, t.en + tail};
}

namespace IteTexts {
// ---- motherboard database and mirroring
inline IteText KeyMissing(const std::string& key) {
    return {"Не найдена информация по номеру ножки для " + key + " !",
            "Information about the contact number " + key + " is not found!"};
}
inline IteText InvalidContact(const std::string& key) {
    return {"Неверный номер ножки для " + key + " !", "Invalid contact number " + key};
}
inline const IteText kPinCountMissing{
    "Не найдена информация по количеству контактов разьема клавиатуры на MB!",
    "Not found the information on the number of contacts on the keyboard connector MB!"};
inline const IteText kNoContact{
    "Все сигналы на NC: ни один контакт не подключён к EC. Выберите плату или задайте контакты, "
    "затем отправьте настройки.",
    "Every signal is on NC: no contact reaches the EC. Choose the motherboard or set the "
    "contacts, then send the settings."};
inline const IteText kPinCountWrong{
    "Неверное количество контактов разьема клавиатуры (23 < допустимо < 33)!",
    "Wrong number of keyboard connector contacts (23 < acceptable <33)!"};

// ---- check connection and settings
inline const IteText kCheckConnection{"Проверка связи ...", "Check connection ..."};
inline const IteText kProgrammerReady{"Программатор найден и готов к работе.",
                                      "The programmer is found and ready to go."};
inline const IteText kConnectAdapter{"Теперь, как можно быстрее, подключите адаптер (5 сек) ! ",
                                     "Now, as soon as possible, connect the adapter (5 seconds) !"};
inline const IteText kNotResponding{
    "ITE мульт нам не отвечает, проверяйте соединение и настройки выводов. MB запитана? ",
    "ITE we do not respond, check the connection and settings. MB powered? "};
inline const IteText kSendSettings{"Отправляем настройки под MB.", "Send the settings for MB."};
inline const IteText kSetupRefused{"Ошибка при входе в режим настроек.",
                                   "Error when entering the setup mode."};
inline const IteText kPinsRefused{"Ошибка протокола при настройке выводов.",
                                  "Protocol error when setting pins."};
inline const IteText kSettingsSent{"Настройки все отправлены.", "All settings sent."};

// ---- read
inline const IteText kReadCancelled{"Чтение отмененено пользователем. Все сворачиваем. (RD_DLG)",
                                    "Reading canceled by the user. All displace. (RD_DLG)"};
inline const IteText kCreateFailed{"Ошибка при создании файла. (RD_CRT_DLG)",
                                   "Error creating file. (RD_CRT_DLG)"};
inline const IteText kCurrentTime{"Текущее время  ", "Current time  "};
inline const IteText kSaveTo{"Сохраняем в файл: ", "Write to file: "};
inline const IteText kReadStart{"Начинаем чтение ITE ...", "Reading start..."};
inline const IteText kInit{"Преподготовка ITE ...", "INIT ..."};
inline const IteText kInitDone{"Закончили преподготовку ...", "INIT complete."};
inline const IteText kReading{"Читаю, пожалуйста ждите ...", "READ, please wait ..."};
inline const IteText kBlockReadError{"Ошибка при чтении блока ->", "ERROR reading block ->"};
inline const IteText kReadDone{"Мы все прочитали ", "Reading complete. "};
inline IteText FileWriteError(const std::string& file, const std::string& why) {
    return {"Ошибка записи в файл " + file + ": " + why,
            "Error writing the file " + file + ": " + why};
}

// ---- write
inline const IteText kWriteCancelled{"Запись отмененена пользователем. Все сворачиваем. (WR_DLG)",
                                     "WRITE canceled by the user. all displace. (WR_DLG)"};
inline const IteText kOpenFailed{"Ошибка при открытии файла. (WR_OPN_DLG)",
                                 "Error opening the file. (WR_OPN_DLG)"};
inline const IteText kDataFile{"Пишем из файла: ", "Data file: "};
inline const IteText kWriteStart{"Начинаем запись ITE ...", "Writing starts ..."};
inline const IteText kEraseSent{"Команда стирания чипа отправлена (0x60/0xC7)...",
                                "ERASE complete."};
inline const IteText kFileLoaded{"Считали 131072 байта в буфер ...", "File loaded to buffer."};
inline const IteText kFfCount{"Количество байт равных 0xFF в файле -> ",
                              "The number of bytes equal to the value of FFh -> "};
inline const IteText kWriting{"Начинаем писать байты ...", "WRITE, please wait ..."};
inline const IteText kAddressError{"Ошибка протокола при отправке адреса во флеш.",
                                   "Protocol error while sending addresses in a flash."};
inline const IteText kBlockWriteError{"Ошибка записи во флеш или потеряна связь с ITE",
                                      "Error writing to flash or lost contact with ITE"};
inline const IteText kWriteDone{"Мы все записали. ", "WRITE complete."};

// ---- a wait that ended without the JIG's answer; the step is named in both languages
inline IteText NoAnswer(const IteText& step) {
    return {"Нет ответа от программатора (" + step.ru + ")",
            "Timeout: no answer from the JIG (" + step.en + ")"};
}
inline IteText WaitCancelled(const IteText& step) {
    return {"Отменено во время ожидания программатора (" + step.ru + ")",
            "Cancelled while waiting for the JIG (" + step.en + ")"};
}
inline IteText JigLost(const IteText& step) {
    return {"Связь с программатором потеряна (" + step.ru + ")",
            "The JIG was lost (" + step.en + ")"};
}
inline IteText TooMuchData(const IteText& step) {
    return {"Программатор прислал лишние байты (" + step.ru + ")",
            "The JIG sent more bytes than asked for (" + step.en + ")"};
}
} // namespace IteTexts
