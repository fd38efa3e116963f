#include "shell/ui/JournalView.h"

#include "gui/Accelerators.h"
#include "gui/TrText.h"
#include "port/UserFolders.h"
#include "safety/Journal.h"
#include "safety/JournalWord.h"

#include <QEvent>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

bool JournalResultFailed(const std::string& result) {
    return result != "done" && result != "cancelled";
}

JournalView::JournalView(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    Table = new QTableWidget(0, 5, this);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->verticalHeader()->hide();
    // The file takes the room left; a long path is cut in its middle, whole in its tooltip.
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Table->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    Table->setTextElideMode(Qt::ElideMiddle);
    Table->setWordWrap(false);
    Close = new QPushButton(this);
    Close->setAutoDefault(false);
    Retranslate();
    AddAccelerator(Close, QKeySequence("Alt+C"));
    connect(Close, &QPushButton::clicked, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Table, 1);
    layout->addWidget(Close, 0, Qt::AlignRight);
    resize(820, 420);
}

void JournalView::Retranslate() {
    setWindowTitle(TrQ("Shell", "Journal"));
    Table->setHorizontalHeaderLabels({TrQ("Shell", "Time"), TrQ("Shell", "Mode"),
                                      TrQ("Shell", "Operation"), TrQ("Shell", "File"),
                                      TrQ("Shell", "Result")});
    Close->setText(TrQ("Shell", "Close"));
}

void JournalView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QDialog::changeEvent(event);
}

void JournalView::Reload() {
    std::vector<JournalRecord> records = JournalOperations(LoadJournal(JournalFile()));
    std::reverse(records.begin(), records.end());
    if (records.size() > static_cast<std::size_t>(kRows))
        records.resize(kRows);
    Table->setRowCount(static_cast<int>(records.size()));
    for (int row = 0; row < Table->rowCount(); ++row) {
        const JournalRecord& r = records[static_cast<std::size_t>(row)];
        std::string result = JournalWord(r.result);
        if (!r.failedStep.empty())
            result += ": " + r.failedStep;
        const std::string cells[] = {r.time, r.mode, JournalWord(r.operation), r.file, result};
        for (int column = 0; column < 5; ++column) {
            auto* item = new QTableWidgetItem(QString::fromStdString(cells[column]));
            item->setToolTip(item->text());
            if (JournalResultFailed(r.result))
                item->setForeground(QColor(200, 0, 0));
            Table->setItem(row, column, item);
        }
    }
}
