// Records every message box and beep and answers them from a script the test sets up.
#pragma once

#include "platform/afx/MessageSink.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

struct RecordedMessage
{
    CString text;
    UINT type = 0;
};

class MessageScript
{
public:
    // Starts recording; answers come from Answer() in order, then the box's default button.
    MessageScript();
    ~MessageScript();
    MessageScript(const MessageScript&) = delete;
    MessageScript& operator=(const MessageScript&) = delete;

    void Answer(int answer) { m_answers.push_back(answer); }
    const std::vector<RecordedMessage>& Messages() const { return m_messages; }
    const std::vector<UINT>& Beeps() const { return m_beeps; }
    // The texts of the recorded messages as UTF-8, for readable assertions.
    std::vector<std::string> Texts() const;

private:
    std::vector<RecordedMessage> m_messages;
    std::vector<UINT> m_beeps;
    std::deque<int> m_answers;
    MessageSink m_previous;
    BeepSink m_previousBeep;
};

// Outside a MessageScript, a message box fails the running test: no message may go unseen.
class MessageScriptEnvironment : public ::testing::Environment
{
public:
    void SetUp() override;
};

// UTF-8 of a CString, for assertions and failure output.
std::string Utf8(const CString& text);
