#pragma once
// The editing component as a Qt widget.
#include "BedEditCore.h"

#include <QAbstractScrollArea>

class TBedEdit : public QAbstractScrollArea, public TCustomBedEdit {
    Q_OBJECT
public:
    explicit TBedEdit(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void InvalidateLines(int first, int last) override;
};
