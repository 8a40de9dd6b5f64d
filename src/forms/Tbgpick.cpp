#include "Tbgpick.h"

namespace tb {

QPointer<TGPickForm> GPickForm;

TGPickForm::TGPickForm(QWidget* parent) : TbForm(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
}

} // namespace tb
