// The effect that scopra.so creates for its host.
#include "host/entry.h"
#include "plugins/scopra/scopra.h"

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) {
    return createEffect<Scopra>(audioMaster);
}
