#pragma once
// The program's MessageSink: a modal message box titled "Tavik" (or another
// title, as the printer's "Printer Error") with the text and one OK button,
// and the desktop's beep.

#include "core/messages.h"
#include "map/qt/program_text.h"

#include <QString>
#include <string_view>
#include <utility>

class QWidget;

namespace tavik {

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
