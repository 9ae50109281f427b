#include "tests/support/MessageScript.h"

#include "platform/afx/Cp932.h"

MessageScript::MessageScript()
{
    m_previous = SetMessageSink([this](const CString& text, UINT type, UINT) {
        m_messages.push_back({text, type});
        if (m_answers.empty())
            return DefaultMessageAnswer(type);
        const int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    });
    m_previousBeep = SetBeepSink([this](UINT type) { m_beeps.push_back(type); });
}

MessageScript::~MessageScript()
{
    SetMessageSink(std::move(m_previous));
    SetBeepSink(std::move(m_previousBeep));
}

std::vector<std::string> MessageScript::Texts() const
{
    std::vector<std::string> texts;
    for (const RecordedMessage& m : m_messages)
        texts.push_back(Utf8(m.text));
    return texts;
}

void MessageScriptEnvironment::SetUp()
{
    SetMessageSink([](const CString& text, UINT type, UINT) {
        ADD_FAILURE() << "unexpected message box: " << Utf8(text);
        return DefaultMessageAnswer(type);
    });
    SetBeepSink([](UINT) {});
}

std::string Utf8(const CString& text)
{
    return Cp932ToUtf8(text.Bytes());
}
