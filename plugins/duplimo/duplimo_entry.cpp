// The effect that duplimo.so creates for its host.
#include "host/entry.h"
#include "plugins/duplimo/duplimo.h"

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) {
    return createEffect<Duplimo>(audioMaster);
}
