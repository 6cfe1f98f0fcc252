#pragma once
// The page flow of a wizard as data, for both wizards: a table of steps
// (from which page, in which modes, by which button, to which page, what
// must hold first and what is done on the way) and a table of what each
// page shows in each mode (which of Next and Finish, whether Back is
// offered, the wizard's own words and buttons, what is done on arrival,
// what must hold for Next to be enabled).
// One handler per button looks its row up; no handler shows or hides.

#include <initializer_list>
#include <span>

enum class TWizardMove { Next, Back, Advanced };

// The modes a row is for, one bit per mode.
constexpr unsigned WizardModes(std::initializer_list<int> modes) {
    unsigned bits = 0;
    for (int m : modes) bits |= 1u << m;
    return bits;
}
constexpr unsigned kAnyWizardMode = ~0u;

template <class W>
struct TWizardStep {
    int from;                      // the page shown
    unsigned modes;                // the modes the step is for
    TWizardMove move;              // the button pressed
    int to;                        // the page it leads to
    bool (W::*allowed)() = nullptr;  // checked first: false stays (it says why)
    void (W::*before)() = nullptr;   // done before the page changes
};

template <class W>
struct TWizardView {
    int page;
    unsigned modes;
    bool next;    // Next on show
    bool finish;  // Finish on show
    bool back;    // Back offered
    unsigned shown = 0;                  // the wizard's own controls on show, a bit each
    void (W::*arrive)() = nullptr;       // done when the page is reached
    bool (W::*ready)() const = nullptr;  // Next is enabled only while this holds
};

// The row for `page` in `mode` (and by `move`), or null when there is none.
template <class W>
const TWizardStep<W>* FindWizardStep(std::span<const TWizardStep<W>> steps, int page, int mode, TWizardMove move) {
    for (const auto& s : steps)
        if (s.from == page && s.move == move && (s.modes & (1u << mode))) return &s;
    return nullptr;
}

template <class W>
const TWizardView<W>* FindWizardView(std::span<const TWizardView<W>> views, int page, int mode) {
    for (const auto& v : views)
        if (v.page == page && (v.modes & (1u << mode))) return &v;
    return nullptr;
}
