#include "Parallelklassen.h"

#include "core/werkstatt/Zufall.h"

#include <cmath>

namespace core {

int Parallelklassen::mindestens(int n) {
    const int paare = n * (n - 1) / 2;
    const int jeKlasse = 3 * bloecke(n); // a block of three holds three pairs
    return n < 2 ? 1 : (paare + jeKlasse - 1) / jeKlasse;
}

namespace {

// Each class is 3 * bloecke slots, three to a block. Every number stands in at least one slot
// of every class; the slots left over repeat numbers. A step swaps two slots of one class or,
// within a block, puts another number in place of a repeated one; the cost is the pairs that no
// block holds. `gedreht`: class k is class 0 with the numbers turned k places in cycles of as many
// numbers as there are classes (the rest fixed), and every step changes all classes alike; far
// fewer choices, so that tight covers are found at once where such a one exists.
class Suche {
public:
    Suche(int n, int klassen, std::uint64_t saat, bool gedreht)
        : n_(n), r_(klassen), slots_(3 * Parallelklassen::bloecke(n)), gedreht_(gedreht), zufall_(saat),
          slot_(std::size_t(r_ * slots_)), paar_(std::size_t(n * n), 0), anzahl_(std::size_t(r_ * n), 0) {
        offen_ = n * (n - 1) / 2;
        std::vector<int> p(static_cast<std::size_t>(n));
        for (int k = 0; k < r_; ++k) {
            for (int i = 0; i < n; ++i)
                p[std::size_t(i)] = i;
            for (int i = n - 1; i > 0; --i)
                std::swap(p[std::size_t(i)], p[zufall_.unter(std::uint64_t(i) + 1)]);
            for (int i = 0; i < slots_; ++i) {
                int x = gedreht_ && k > 0 ? drehen(slot(0, i), k) : p[std::size_t(i % n)];
                while (i >= n && imBlock(k, i / 3, x, i % 3))
                    x = int(zufall_.unter(std::uint64_t(n)));
                slot(k, i) = x;
                ++anzahl_[std::size_t(k * n + x)];
            }
            for (int b = 0; b < slots_ / 3; ++b)
                block(k, b, 1);
        }
    }

    bool laufen(std::int64_t schritte, const std::function<bool()>& stop) {
        const double t0 = 0.5, t1 = 0.02;
        for (std::int64_t s = 0; s < schritte && offen_ > 0; ++s) {
            if ((s & 4095) == 0 && stop && stop())
                return false;
            const double temperatur = t0 + (t1 - t0) * double(s) / double(schritte);
            const int k = gedreht_ ? 0 : int(zufall_.unter(std::uint64_t(r_)));
            const int i = int(zufall_.unter(std::uint64_t(slots_)));
            const int j = int(zufall_.unter(std::uint64_t(slots_)));
            const int bi = i / 3, bj = j / 3;
            const int vorher = offen_;
            auto annehmen = [&] {
                const int d = offen_ - vorher;
                return d <= 0 || double(zufall_() >> 11) * 0x1.0p-53 < std::exp(-d / temperatur);
            };
            if (bi == bj) {
                const int x = slot(k, i), y = int(zufall_.unter(std::uint64_t(n_)));
                if (anzahl_[std::size_t(k * n_ + x)] < 2 || imBlock(k, bi, y, i % 3))
                    continue;
                setzen(k, i, y);
                if (annehmen()) {
                    --anzahl_[std::size_t(k * n_ + x)];
                    ++anzahl_[std::size_t(k * n_ + y)];
                } else {
                    setzen(k, i, x);
                }
                continue;
            }
            const int x = slot(k, i), y = slot(k, j);
            if (x == y || imBlock(k, bi, y, i % 3) || imBlock(k, bj, x, j % 3))
                continue;
            tauschen(k, i, j);
            if (!annehmen())
                tauschen(k, i, j);
        }
        return offen_ == 0;
    }

    std::vector<std::vector<std::uint64_t>> klassen() const {
        std::vector<std::vector<std::uint64_t>> alle(static_cast<std::size_t>(r_));
        for (int k = 0; k < r_; ++k)
            for (int b = 0; b < slots_ / 3; ++b) {
                std::uint64_t m = 0;
                for (int i = 0; i < 3; ++i)
                    m |= std::uint64_t(1) << slotWert(k, 3 * b + i);
                alle[std::size_t(k)].push_back(m);
            }
        return alle;
    }

private:
    int& slot(int k, int i) { return slot_[std::size_t(k * slots_ + i)]; }
    int slotWert(int k, int i) const { return slot_[std::size_t(k * slots_ + i)]; }
    bool imBlock(int k, int b, int x, int ausser) const {
        for (int i = 0; i < 3; ++i)
            if (i != ausser && slotWert(k, 3 * b + i) == x)
                return true;
        return false;
    }
    // Adds (d = 1) or takes away (d = -1) the pairs of one block.
    void block(int k, int b, int d) {
        for (int i = 0; i < 3; ++i)
            for (int j = i + 1; j < 3; ++j) {
                const int x = slotWert(k, 3 * b + i), y = slotWert(k, 3 * b + j);
                int& z = paar_[std::size_t(std::min(x, y) * n_ + std::max(x, y))];
                offen_ -= d > 0 && z == 0 ? 1 : 0;
                z += d;
                offen_ += d < 0 && z == 0 ? 1 : 0;
            }
    }
    int drehen(int x, int k) const {
        const int gedrehte = n_ - n_ % r_;
        return x < gedrehte ? x / r_ * r_ + (x % r_ + k) % r_ : x;
    }
    // The classes a step changes: k alone, or every class turned alike.
    template <typename F> void fuerKlassen(int k, F f) {
        if (!gedreht_)
            f(k, 0);
        else
            for (int c = 0; c < r_; ++c)
                f(c, c);
    }
    void setzen(int k, int i, int x) {
        fuerKlassen(k, [&](int c, int d) {
            block(c, i / 3, -1);
            slot(c, i) = drehen(x, d);
            block(c, i / 3, 1);
        });
    }
    void tauschen(int k, int i, int j) {
        fuerKlassen(k, [&](int c, int) {
            block(c, i / 3, -1);
            block(c, j / 3, -1);
            std::swap(slot(c, i), slot(c, j));
            block(c, i / 3, 1);
            block(c, j / 3, 1);
        });
    }

    int n_, r_, slots_;
    bool gedreht_;
    Zufall zufall_;
    std::vector<int> slot_;
    std::vector<int> paar_;   // how many blocks hold the pair x < y, at x * n + y
    std::vector<int> anzahl_; // how often a class holds a number
    int offen_ = 0;
};

} // namespace

std::vector<std::vector<std::uint64_t>> Parallelklassen::suchen(int n, int klassen, std::int64_t schritte,
                                                                std::uint64_t saat,
                                                                const std::function<bool()>& stop) {
    if (n < 3 || klassen < 1)
        return {};
    // turned classes first, where the numbers fall into cycles of that length with at most two
    // left over; each of their steps does the work of one per class
    if (n >= klassen && n % klassen <= 2) {
        Suche s(n, klassen, saat, true);
        if (s.laufen(schritte / (2 * klassen), stop))
            return s.klassen();
    }
    Suche s(n, klassen, saat, false);
    return s.laufen(schritte, stop) ? s.klassen() : std::vector<std::vector<std::uint64_t>>{};
}

} // namespace core
