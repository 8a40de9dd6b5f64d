#include "Tbgmaint.h"

namespace tb {

QPointer<TGMaintForm> GMaintForm;

TGMaintForm::TGMaintForm(QWidget* parent) : TbForm(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
}

} // namespace tb
