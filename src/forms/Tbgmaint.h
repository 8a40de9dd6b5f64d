#pragma once
// Placeholder until the form is built.

#include "TbForm.h"

#include <QPointer>

namespace tb {

class TGMaintForm : public TbForm {
    Q_OBJECT
public:
    explicit TGMaintForm(QWidget* parent = nullptr);
};

extern QPointer<TGMaintForm> GMaintForm;

} // namespace tb
