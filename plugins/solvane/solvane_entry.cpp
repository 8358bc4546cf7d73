// The effect that solvane.so creates for its host.
#include "host/entry.h"
#include "plugins/solvane/solvane.h"

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) {
    return createEffect<Solvane>(audioMaster);
}
