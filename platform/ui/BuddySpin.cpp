#include "platform/ui/BuddySpin.h"

#include <QLineEdit>

#include <algorithm>

BuddySpin::BuddySpin(QLineEdit* buddy) : m_buddy(buddy)
{
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setFixedWidth(18);
    setFocusPolicy(Qt::NoFocus);
}

void BuddySpin::stepBy(int steps)
{
    bool ok = false;
    const int value = m_buddy->text().trimmed().toInt(&ok);
    m_buddy->setText(QString::number(std::clamp(ok ? value + steps : minimum(), minimum(), maximum())));
}
