#pragma once

#include <QWidget>

// The base of the controls that work on a record set.
class TRecordSetControl : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};
