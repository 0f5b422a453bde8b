#pragma once
// The program's MessageSink: a modal message box titled "Tavik" (or another
// title, as the printer's "Printer Error") with the text and one OK button,
// and the desktop's beep.

#include "core/messages.h"

#include <QString>
#include <string_view>
#include <utility>

class QWidget;

namespace tavik {

// Texts of the program and its data are 8-bit; UTF-8 when they decode as
// such, Latin-1 otherwise, so that no byte is lost or refused.
QString ProgramText(std::string_view text);

class MessageBoxSink : public MessageSink {
  public:
    // `parent` is the window the box is centred on; may be null.
    explicit MessageBoxSink(QWidget *parent,
                            QString title = QStringLiteral("Tavik"))
        : parent_(parent), title_(std::move(title)) {}
    void ShowMessage(const std::string &text) override;
    void Beep() override;

  private:
    QWidget *parent_;
    QString title_;
};

} // namespace tavik
