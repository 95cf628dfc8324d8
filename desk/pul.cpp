#include "desk/pul.h"

#include <algorithm>
#include <utility>

namespace zormia {
namespace {

using ClickHandler = void (Pul::*)();

struct ClickRow {
    ElementId element;
    ClickHandler handler;
};

// Which handler a click on an element runs.
constexpr ClickRow kClickHandlers[] = {
    {ElementId::z1ab, &Pul::z1abClick},
    {ElementId::z1cd, &Pul::z1cdClick},
    {ElementId::psa, &Pul::psaClick},
    {ElementId::psb, &Pul::psbClick},
    {ElementId::psc, &Pul::pscClick},
    {ElementId::psd, &Pul::psdClick},
    {ElementId::psg, &Pul::psgClick},
    {ElementId::psh, &Pul::pshClick},
    {ElementId::SemP, &Pul::SemPClick},
    {ElementId::PrzebiegiA, &Pul::PrzebiegiAClick},
    {ElementId::PrzebiegiB, &Pul::PrzebiegiBClick},
    {ElementId::PrzebiegC, &Pul::PrzebiegCClick},
    {ElementId::PrzebiegiH, &Pul::PrzebiegiHClick},
    {ElementId::PrzebiegiG, &Pul::PrzebiegiGClick},
    {ElementId::zwa, &Pul::zwaClick},
    {ElementId::zwb, &Pul::zwbClick},
    {ElementId::zwc, &Pul::zwcClick},
    {ElementId::zwd, &Pul::zwdClick},
    {ElementId::zwg, &Pul::zwgClick},
    {ElementId::zwh, &Pul::zwhClick},
    {ElementId::am, &Pul::amClick},
    {ElementId::bm, &Pul::bmClick},
    {ElementId::cm, &Pul::cmClick},
    {ElementId::psza, &Pul::pszaClick},
    {ElementId::pszb, &Pul::pszbClick},
    {ElementId::pszc, &Pul::pszcClick},
    {ElementId::pszd, &Pul::pszdClick},
    {ElementId::pszg, &Pul::pszgClick},
    {ElementId::pszh, &Pul::pszhClick},
    {ElementId::jszd, &Pul::jszdClick},
    {ElementId::pwbla, &Pul::pwblaClick},
    {ElementId::ppoz1, &Pul::ppoz1Click},
    {ElementId::pdpod, &Pul::pdpodClick},
    {ElementId::pwbl2, &Pul::pwbl2Click},
    {ElementId::ppoz2, &Pul::ppoz2Click},
    {ElementId::pdpo2, &Pul::pdpo2Click},
    {ElementId::pkoy, &Pul::pkoyClick},
    {ElementId::pdkox, &Pul::pdkoxClick},
    {ElementId::pkog, &Pul::pkogClick},
    {ElementId::pdkog, &Pul::pdkogClick},
    {ElementId::sita, &Pul::sitaClick},
    {ElementId::sitb, &Pul::sitbClick},
    {ElementId::sitc, &Pul::sitcClick},
    {ElementId::sitd, &Pul::sitdClick},
    {ElementId::sitg, &Pul::sitgClick},
    {ElementId::sith, &Pul::sithClick},
    {ElementId::siz1, &Pul::siz1Click},
    {ElementId::siz2, &Pul::siz2Click},
    {ElementId::sit1, &Pul::sit1Click},
    {ElementId::sit2, &Pul::sit2Click},
    {ElementId::sit3, &Pul::sit3Click},
    {ElementId::BitBtn1, &Pul::BitBtn1Click},
};

}  // namespace

Pul::Pul(TimerService& service, CounterStore* store)
    : DeskElements(deskModel_), timerService_(service), store_(store) {
    // The desk's eight timers, all disabled at creation; Timer8 has no handler.
    const std::pair<const char*, void (Pul::*)()> timerRows[] = {
        {"Timer1", &Pul::Timer1Timer}, {"Timer2", &Pul::Timer2Timer}, {"Timer3", &Pul::Timer3Timer},
        {"Timer4", &Pul::Timer4Timer}, {"Timer5", &Pul::Timer5Timer}, {"Timer6", &Pul::Timer6Timer},
        {"Timer7", &Pul::Timer7Timer}, {"Timer8", nullptr},
    };
    std::array<TimerRef*, 8> refs = timers();
    for (int i = 0; i < 8; ++i) {
        const auto handler = timerRows[i].second;
        const std::int64_t interval = i == 3 ? 2000 : 1000;  // Timer4 ticks every 2 s
        TimerService::Handler onTick;
        if (handler) onTick = [this, handler] { (this->*handler)(); };
        *refs[i] = TimerRef(&service, service.create(timerRows[i].first, interval, i, onTick));
    }

    variables_ = {
        {"pos1ab", &pos1ab, nullptr},
        {"pos1cd", &pos1cd, nullptr},
        {"ua", &ua, nullptr},
        {"ub", &ub, nullptr},
        {"uc", &uc, nullptr},
        {"ud", &ud, nullptr},
        {"ug", &ug, nullptr},
        {"ugc", &ugc, nullptr},
        {"uh", &uh, nullptr},
        {"pa", &pa, nullptr},
        {"pag", &pag, nullptr},
        {"pb", &pb, nullptr},
        {"pbd", &pbd, nullptr},
        {"pc", &pc, nullptr},
        {"pd", &pd, nullptr},
        {"pha", &pha, nullptr},
        {"phb", &phb, nullptr},
        {"pga", &pga, nullptr},
        {"pgb", &pgb, nullptr},
        {"pgc", &pgc, nullptr},
        {"occITA", &occITA, nullptr},
        {"occITB", &occITB, nullptr},
        {"occITC", &occITC, nullptr},
        {"occITD", &occITD, nullptr},
        {"occITG", &occITG, nullptr},
        {"occITH", &occITH, nullptr},
        {"occIT1", &occIT1, nullptr},
        {"occIT2", &occIT2, nullptr},
        {"occIT3", &occIT3, nullptr},
        {"occIZ1", &occIZ1, nullptr},
        {"occIZ2", &occIZ2, nullptr},
        {"shuntA", &shuntA, nullptr},
        {"shuntB", &shuntB, nullptr},
        {"shuntC", &shuntC, nullptr},
        {"shuntD", &shuntD, nullptr},
        {"shuntG", &shuntG, nullptr},
        {"shuntH", &shuntH, nullptr},
        {"szOnA", &szOnA, nullptr},
        {"szOnB", &szOnB, nullptr},
        {"szOnC", &szOnC, nullptr},
        {"szOnD", &szOnD, nullptr},
        {"szOnG", &szOnG, nullptr},
        {"szOnH", &szOnH, nullptr},
        {"step1", nullptr, &step1},
        {"step2", nullptr, &step2},
        {"step3", nullptr, &step3},
        {"step4", nullptr, &step4},
        {"step5", nullptr, &step5},
        {"step6", nullptr, &step6},
        {"step7", nullptr, &step7},
        {"wblOut", &out.wbl, nullptr},
        {"pozOut", &out.poz, nullptr},
        {"routeOut", &out.route, nullptr},
        {"busyOut", &out.busy, nullptr},
        {"koRunOut", &out.koRun, nullptr},
        {"freeOut", &out.free, nullptr},
        {"reqOut", &out.req, nullptr},
        {"wblIn", &in.wbl, nullptr},
        {"pozIn", &in.poz, nullptr},
        {"routeIn", &in.route, nullptr},
        {"busyIn", &in.busy, nullptr},
        {"koRunIn", &in.koRun, nullptr},
        {"freeIn", &in.free, nullptr},
        {"reqIn", &in.req, nullptr},
        {"dkogLatch", &dkogLatch, nullptr},
        {"arrivalState", nullptr, &arrivalState},
        {"sza", nullptr, &sza},
        {"szb", nullptr, &szb},
        {"szc", nullptr, &szc},
        {"szd", nullptr, &szd},
        {"szg", nullptr, &szg},
        {"szh", nullptr, &szh},
        {"dkog", nullptr, &dkog},
        {"dpod", nullptr, &dpod},
        {"dpov", nullptr, &dpov},
        {"dkoy", nullptr, &dkoy},
    };

    FormCreate();
}

std::array<std::int32_t*, 10> Pul::counters() {
    return {&sza, &szb, &szc, &szd, &szg, &szh, &dkog, &dpod, &dpov, &dkoy};
}

bool Pul::click(ElementId id) {
    const auto row = std::find_if(std::begin(kClickHandlers), std::end(kClickHandlers),
                                  [id](const ClickRow& r) { return r.element == id; });
    if (row == std::end(kClickHandlers)) return false;
    if (!model().state(id).enabled) return true;  // a disabled button ignores clicks
    // A two-state button of the simulator changes its state before its handler.
    if (elementRow(id).kind == ElementKind::ToggleButton) model().setDown(id, !model().state(id).down);
    (this->*(row->handler))();
    return true;
}

bool Pul::choose(std::string_view item) {
    struct SealRow {
        std::string_view breakItem, sealItem;
        ElementRef Pul::*button;
        ElementRef Pul::*bar;
    };
    static constexpr SealRow kSeals[] = {
        {"zwa1", "zwa2", &Pul::zwa, &Pul::pzwa}, {"zwb1", "zwb2", &Pul::zwb, &Pul::pzwb},
        {"zwc1", "zwc2", &Pul::zwc, &Pul::pzwc}, {"zwd1", "zwd2", &Pul::zwd, &Pul::pzwd},
        {"zwg1", "zwg2", &Pul::zwg, &Pul::pzwg}, {"zwh1", "zwh2", &Pul::zwh, &Pul::pzwh},
    };
    for (const SealRow& row : kSeals) {
        if (item == row.breakItem) {
            SetSeal(this->*row.button, this->*row.bar, true);
            return true;
        }
        if (item == row.sealItem) {
            SetSeal(this->*row.button, this->*row.bar, false);
            return true;
        }
    }
    if (item == "Symulator1") {
        Symulator1Click();
        return true;
    }
    if (item == "Opis1") {
        if (showDescription) showDescription();
        return true;
    }
    if (item == "INFO1") {
        if (showAbout) showAbout();
        return true;
    }
    if (item == "Odwoanie1") return true;  // "Odwołanie" has no action
    return false;
}

}  // namespace zormia
