#include "payroll/ui/PayDateRangeBox.h"

#include "platform/Exceptions.h"
#include "platform/ui/LedgoraApplication.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

TPayDateRangeBox::TPayDateRangeBox(const QString& title, QWidget* parent)
    : QGroupBox(title, parent)
{
    setObjectName(QStringLiteral("GroupPayDates"));
    auto* row = new QHBoxLayout(this);
    LblFrom = new QLabel(QStringLiteral("From"), this);
    CbxPayDateFrom = new QComboBox(this);
    LblTo = new QLabel(QStringLiteral("To"), this);
    CbxPayDateTo = new QComboBox(this);
    CbxPayDateFrom->setObjectName(QStringLiteral("CbxPayDateFrom"));
    CbxPayDateTo->setObjectName(QStringLiteral("CbxPayDateTo"));
    const QStringList lines = StoredPayDateLines();
    for (QComboBox* list : {CbxPayDateFrom, CbxPayDateTo}) {
        // Wide enough for "mm/dd/yyyy (nn)" and the padding a style sheet gives the text.
        list->setMinimumContentsLength(16);
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->addItems(lines);
    }
    LblFrom->setBuddy(CbxPayDateFrom);
    LblTo->setBuddy(CbxPayDateTo);
    row->addWidget(LblFrom);
    row->addWidget(CbxPayDateFrom);
    row->addSpacing(12);
    row->addWidget(LblTo);
    row->addWidget(CbxPayDateTo);
    SetRange(PayDateRange::AllStored());
}

void TPayDateRangeBox::SetRange(const PayDateRange& range)
{
    range_ = range;
    const QSignalBlocker quietFrom(CbxPayDateFrom);
    const QSignalBlocker quietTo(CbxPayDateTo);
    CbxPayDateFrom->setCurrentIndex(range.First - 1);
    CbxPayDateTo->setCurrentIndex(range.Last - 1);
}

void TPayDateRangeBox::FollowChoices()
{
    for (QComboBox* list : {CbxPayDateFrom, CbxPayDateTo})
        connect(list, &QComboBox::currentIndexChanged, this, &TPayDateRangeBox::ListChanged);
}

bool TPayDateRangeBox::AcceptChoice()
{
    if (!PayDateRangeAccepted(chosen())) {
        ShowRefusal();
        return false;
    }
    range_ = chosen();
    return true;
}

void TPayDateRangeBox::ListChanged()
{
    if (!PayDateRangeAccepted(chosen())) {
        SetRange(range_);
        ShowRefusal();
        return;
    }
    range_ = chosen();
    emit RangeChanged(range_);
}

PayDateRange TPayDateRangeBox::chosen() const
{
    return PayDateRange::OfListLines(CbxPayDateFrom->currentIndex(), CbxPayDateTo->currentIndex());
}

void TPayDateRangeBox::ShowRefusal()
{
    LedgoraApplication::ShowException(EFieldException(QString::fromLatin1(kPayDateRangeRefused)));
}
