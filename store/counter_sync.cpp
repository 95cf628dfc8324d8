// The use counters between the desk and the counter store: loaded on every
// activation of the desk, saved on every deactivation.

#include "desk/pul.h"

namespace zormia {

std::string Pul::FormActivate() {
    if (!store_) return {};
    const CounterStore::LoadResult result = store_->load(counters());
    if (result.loaded) ShowCounters();
    return result.error;
}

std::string Pul::FormDeactivate() { return SaveCounters(); }

void Pul::ShowCounters() {
    lia.setValue(sza);
    lib.setValue(szb);
    lic.setValue(szc);
    lid.setValue(szd);
    lig.setValue(szg);
    lih.setValue(szh);
    licznikg.setValue(dkog);
    ldpod.setValue(dpod);
    ldpov.setValue(dpov);
    ldkoy.setValue(dkoy);
}

std::string Pul::SaveCounters() {
    if (!store_) return {};
    return store_->save({sza, szb, szc, szd, szg, szh, dkog, dpod, dpov, dkoy});
}

}  // namespace zormia
