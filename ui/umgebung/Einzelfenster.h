#pragma once

#include <QPointer>
#include <QWidget>

namespace ui {

// "Open this window only once", the one way for every window of which at most one is open. The
// owner keeps it here. Opening a window that is still there (shown, minimized, or hidden to be shown
// again) restores it and brings it to the front; one freed on close counts as gone once it is closed,
// and a new one is made.
template <typename T> class Einzelfenster {
public:
    // The window while it is there, else nullptr.
    T* fenster() const {
        // Closing clears WA_DeleteOnClose before the window is freed: the attribute is read when made.
        if (!fenster_ || (freiBeimSchliessen_ && !fenster_->isVisible()))
            return nullptr;
        return fenster_;
    }

    // The window there, else the one machen() makes (placed as it wants), shown in its normal size
    // and in front.
    template <typename Machen> T* oeffnen(Machen machen) {
        if (!fenster()) {
            fenster_ = machen();
            freiBeimSchliessen_ = fenster_->testAttribute(Qt::WA_DeleteOnClose);
        }
        fenster_->showNormal();
        fenster_->raise();
        fenster_->activateWindow();
        return fenster_;
    }

private:
    QPointer<T> fenster_;
    bool freiBeimSchliessen_ = false;
};

} // namespace ui
