// BuddySpin: the up-down control of an edit. Each step changes the number in the edit within the
// control's range; text that is no number steps from the range's lower end.
#pragma once

#include <QSpinBox>

class QLineEdit;

class BuddySpin : public QSpinBox
{
public:
    explicit BuddySpin(QLineEdit* buddy);
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

private:
    QLineEdit* m_buddy;
};
