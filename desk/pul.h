#pragma once
// The desk window's logic: the interlocking state and every handler of the desk,
// with no toolkit behind it. A toolkit window draws `model()` and forwards the
// desk's events here: clicks (`click`), menu commands (`choose`), activation and
// deactivation, and the ticks of the eight desk timers, which run on the
// TimerService handed in.
//
// The handlers keep the desk's own names (psaClick, Timer3Timer, FormActivate...).
// They are declared here together and defined, subsystem by subsystem, in
// desk/, interlocking/ and block/.

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "desk/desk_model.h"
#include "desk/timer_service.h"
#include "store/counter_store.h"

namespace zormia {

// One direction of the semi-automatic line block.
struct BlockDirection {
    bool wbl = false;    // a request for permission is pending
    bool poz = false;    // permission given by the other end
    bool route = false;  // the departure route over the line is set
    bool busy = false;   // the line is occupied by a train of this direction
    bool koRun = false;  // the end-block program of this direction runs
    bool free = false;   // permission held and not yet used
    bool req = false;    // the requesting end asked to give the permission back
};

// Holds the element states so that they exist before the element handles.
struct DeskModelHolder {
    DeskModel deskModel_;
};

class Pul : private DeskModelHolder, public DeskElements {
  public:
    // Creates the desk (FormCreate runs here, once) with its timers on `timers`.
    // The store is used on every activation and deactivation; it may be null.
    Pul(TimerService& timers, CounterStore* store);
    Pul(const Pul&) = delete;
    Pul& operator=(const Pul&) = delete;

    // ---- events from the window -------------------------------------------------
    // A click that reached the element (a toolkit delivers it only to a shown,
    // enabled, uncovered element; a disabled element ignores it here too). A
    // two-state button changes its state before its handler runs. Returns whether
    // the element has a click handler.
    bool click(ElementId id);
    // A command of the desk's main menu or popup menu, by item name ("zwa1",
    // "Symulator1"). Returns false for an unknown item.
    bool choose(std::string_view item);
    // The desk became, or stopped being, the program's active window. An error of
    // the counter store comes back as its message (empty when none).
    std::string FormActivate();
    std::string FormDeactivate();

    // Where the About and description windows are shown (set by the program).
    std::function<void()> showDescription;  // menu "Opis"
    std::function<void()> showAbout;        // menu "Informacja"

    // ---- interlocking state ----------------------------------------------------
    // Point positions (true = plus).
    bool pos1ab = true, pos1cd = true;
    // Route-lock free flags (true = free).
    bool ua = true, ub = true, uc = true, ud = true, ug = true, ugc = true, uh = true;
    // Route flags.
    bool pa = false, pag = false, pb = false, pbd = false, pc = false, pd = false, pha = false,
         phb = false, pga = false, pgb = false, pgc = false;
    // Section occupancy.
    bool occITA = false, occITB = false, occITC = false, occITD = false, occITG = false,
         occITH = false, occIT1 = false, occIT2 = false, occIT3 = false, occIZ1 = false,
         occIZ2 = false;
    // Shunting and substitute signals.
    bool shuntA = false, shuntB = false, shuntC = false, shuntD = false, shuntG = false,
         shuntH = false;
    bool szOnA = false, szOnB = false, szOnC = false, szOnD = false, szOnG = false, szOnH = false;
    // Step counters of the timers.
    std::int32_t step1 = 0, step2 = 0, step3 = 0, step4 = 0, step5 = 0, step6 = 0, step7 = 0;
    // Line block toward Stacja B (out) and from Stacja B (in).
    BlockDirection out, in;
    bool dkogLatch = false;
    std::int32_t arrivalState = 0;
    // Use counters.
    std::int32_t sza = 0, szb = 0, szc = 0, szd = 0, szg = 0, szh = 0, dkog = 0, dpod = 0, dpov = 0,
                 dkoy = 0;

    // ---- timers ----------------------------------------------------------------
    TimerRef Timer1, Timer2, Timer3, Timer4, Timer5, Timer6, Timer7, Timer8;

    // ---- handlers ---------------------------------------------------------------
    // Window life (desk/pul.cpp, store).
    void FormCreate();
    void ShowCounters();
    std::string SaveCounters();

    // Interlocking state (interlocking/startup.cpp).
    void UpdatePointButtons();

    // Section painters and tiles (desk/painters.cpp).
    void ShowTile(TileRef& tile, std::string_view key);
    void PaintITA(char letter);
    void PaintITB(char letter);
    void PaintITC(char letter);
    void PaintITD(char letter);
    void PaintITG(char letter);
    void PaintITH(char letter);
    void PaintIZ1(char letter);
    void PaintIZ2(char letter);
    void PaintIT1(char letter);
    void PaintIT2(char letter);
    void PaintIT3(char letter);

    // Signal lamp groups (desk/aspects.cpp).
    void SetAspectA(bool green, bool upperYellow, bool red, bool lowerYellow, bool flashing,
                    bool deskRed, bool deskGreen);
    void SetAspectB(bool green, bool upperYellow, bool red, bool lowerYellow, bool flashing,
                    bool deskRed, bool deskGreen);
    void SetAspectC(bool green, bool red, bool yellow, bool flashing, bool deskRed, bool deskGreen);
    void SetAspectD(bool red, bool green, bool deskRed, bool deskGreen);
    void SetAspectG(bool green, bool upperYellow, bool red, bool lowerYellow, bool flashing,
                    bool deskRed, bool deskGreen);
    void SetAspectH(bool green, bool upperYellow, bool red, bool lowerYellow, bool flashing,
                    bool deskRed, bool deskGreen);

    // Points (interlocking/points.cpp).
    void z1abClick();
    void z1cdClick();

    // Route mechanism and routes (interlocking/routes*.cpp).
    void Timer3Timer();
    void Timer5Timer();
    void psaClick();
    void psbClick();
    void pscClick();
    void pshClick();
    void PrzebiegiAClick();
    void PrzebiegiBClick();
    void PrzebiegCClick();
    void PrzebiegiHClick();
    void SetRoutePa();
    void SetRoutePag();
    void SetRoutePb();
    void SetRoutePbd();
    void SetRoutePc();
    void SetRoutePha();
    void SetRoutePhb();
    void RunRoutePa(int step);
    void RunRoutePag(int step);
    void RunRoutePb(int step);
    void RunRoutePbd(int step);
    void RunRoutePc(int step);
    void RunRoutePha(int step);
    void RunRoutePhb(int step);

    // Release buttons and seals (interlocking/release.cpp).
    void SetSeal(ElementRef& button, ElementRef& bar, bool unsealed);
    void zwaClick();
    void zwbClick();
    void zwcClick();
    void zwhClick();

    // Shunting and substitute signals (interlocking/shunting.cpp).
    void SetShuntLamps(LampRef& lamp1, LampRef& lamp2, bool on);
    void SetSzLamps(LampRef& lamp1, LampRef& lamp2, bool on, std::int32_t& counter,
                    CounterRef& display, bool& shuntFlag);
    void amClick();
    void bmClick();
    void cmClick();
    void pszaClick();
    void pszbClick();
    void pszcClick();
    void pszdClick();
    void pszgClick();
    void pszhClick();
    void jszdClick();
    void Timer1Timer();
    void Timer2Timer();

    // Occupancy simulation (interlocking/occupancy.cpp).
    void Symulator1Click();
    void BitBtn1Click();
    void sitaClick();
    void sitbClick();
    void sitcClick();
    void sitdClick();
    void sitgClick();
    void sithClick();
    void siz1Click();
    void siz2Click();
    void sit1Click();
    void sit2Click();
    void sit3Click();

    // Line block (block/line_block.cpp, block/end_block.cpp).
    void ResetBlock();
    void WblPress(BlockDirection& d, LampRef& wblLamp, LampRef& pozLamp);
    void PozPress(BlockDirection& d, LampRef& wblLamp, LampRef& pozLamp);
    void DPoPress(BlockDirection& d, LampRef& wblLamp, LampRef& pozLamp, LampRef& pwlLamp);
    void pwblaClick();
    void ppoz1Click();
    void pdpodClick();
    void pwbl2Click();
    void ppoz2Click();
    void pdpo2Click();
    void FlashYellowPair(LampRef& a, LampRef& b);
    void ClearBlockLamps(LampRef& a, LampRef& b, LampRef& c, LampRef& d);
    void pkoyClick();
    void pdkoxClick();
    void pkogClick();
    void pdkogClick();
    void Timer7Timer();
    void RunKoY(int step);
    void RunKoG(int step);

    // Route D (block/route_d.cpp).
    void StartBlockPending(LampRef& pwlLamp, LampRef& pozLamp, bool& free);
    void StartBlockGiven(bool& busy, LampRef& wblLamp, LampRef& pozLamp);
    void psdClick();
    void zwdClick();
    void Timer6Timer();
    void RunRoutePd(int step);

    // Routes from G (block/routes_g.cpp).
    void psgClick();
    void PrzebiegiGClick();
    void SetRoutePga();
    void SetRoutePgb();
    void SetRoutePgc();
    void RunRoutePga(int step);
    void RunRoutePgb(int step);
    void RunRoutePgc(int step);
    void zwgClick();

    // Signal P (block/signal_p.cpp).
    void SemPClick();
    void Timer4Timer();
    void RunSignalP(int step);

    // Arrival supervision (block/arrival.cpp).
    void UpdateArrivalState();

    // ---- reflection, for the script runner and the tests ------------------------
    struct Variable {
        std::string_view name;
        bool* flag;            // set for a flag
        std::int32_t* number;  // set for a number
    };
    // Every interlocking variable by its own name (`wblOut` for out.wbl).
    std::span<const Variable> variables() { return variables_; }
    // The ten use counters in the store's order.
    std::array<std::int32_t*, 10> counters();
    std::array<TimerRef*, 8> timers() {
        return {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6, &Timer7, &Timer8};
    }

    TimerService& timerService() { return timerService_; }

  private:
    TimerService& timerService_;
    CounterStore* store_;
    std::vector<Variable> variables_;
};

}  // namespace zormia
