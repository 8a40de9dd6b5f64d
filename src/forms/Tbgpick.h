#pragma once
// Placeholder until the form is built.

#include "TbForm.h"

#include <QPointer>

namespace tb {

class TGPickForm : public TbForm {
    Q_OBJECT
public:
    explicit TGPickForm(QWidget* parent = nullptr);
};

extern QPointer<TGPickForm> GPickForm;

} // namespace tb
