// What the program asks of the desktop: to start a program (word processor, spreadsheet,
// calculator) or open an address (web, mailto:, tel:). Failures are silent.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace dorvani {

class Desktop {
public:
    enum class Program { WordProcessor, Spreadsheet, Calculator };

    virtual ~Desktop() = default;
    virtual bool start(Program p) = 0;
    virtual bool openUrl(const QUrl &url) = 0;

    static Desktop &instance();
    static void setInstance(Desktop *d); // tests; null restores the real one

    // The first installed program for each purpose, as a command and its arguments.
    static QStringList commandFor(Program p);
};

class SystemDesktop : public Desktop {
public:
    bool start(Program p) override;
    bool openUrl(const QUrl &url) override;
};

} // namespace dorvani
