// The effect that widmoor.so creates for its host.
#include "host/entry.h"
#include "plugins/widmoor/widmoor.h"

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) {
    return createEffect<AComb>(audioMaster);
}
