#pragma once
// The seam through which logic reports a failure to the user: a message box
// with an OK button in the program, a recorded list in tests and the renderer.

#include <string>
#include <vector>

namespace tavik {

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    // One message box, titled with the program's name, with an OK button.
    virtual void ShowMessage(const std::string &text) = 0;
    // The system beep that comes before some messages.
    virtual void Beep() {}
};

// Keeps every message, in order, instead of showing it.
class RecordedMessages : public MessageSink {
  public:
    void ShowMessage(const std::string &text) override { shown.push_back(text); }
    void Beep() override { ++beeps; }
    std::vector<std::string> shown;
    int beeps = 0;
};

} // namespace tavik
