#include "Waechter.h"

#include "core/grund/Fehler.h"
#include "net/Abgebrochen.h"

#include <exception>

namespace ui {

void Schuetzen(Meldungen& meldungen, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const core::Fehler& f) {
        meldungen.fehler(f.text());
    } catch (const net::Abgebrochen& a) {
        // At the program's end nothing is shown any more.
        if (!a.programmende())
            meldungen.information(a.text());
    } catch (const std::bad_alloc&) {
        meldungen.fehler(QStringLiteral("Zu wenig Arbeitsspeicher."));
    } catch (const std::exception& e) {
        meldungen.fehler(QStringLiteral("Unerwarteter Fehler: %1").arg(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        meldungen.fehler(QStringLiteral("Unerwarteter Fehler."));
    }
}

} // namespace ui
