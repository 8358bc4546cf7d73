#include "gui/x11/shm_segment.h"

#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstdlib>

namespace gui::x11 {
namespace {

constexpr int kOwnerReadWrite = 0600;

bool serverHasShm(xcb_connection_t* connection) {
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_shm_id);
    if (extension == nullptr || !extension->present) return false;
    auto* version = xcb_shm_query_version_reply(connection, xcb_shm_query_version(connection),
                                                nullptr);
    free(version);
    return version != nullptr;
}

// Attaches the segment in the server and waits for its answer.
bool attachInServer(xcb_connection_t* connection, xcb_shm_seg_t segment, int shmId) {
    xcb_generic_error_t* error = xcb_request_check(
        connection, xcb_shm_attach_checked(connection, segment, static_cast<uint32_t>(shmId), 1));
    free(error);
    return error == nullptr;
}

}  // namespace

std::unique_ptr<ShmSegment> ShmSegment::create(xcb_connection_t* connection, size_t size) {
    if (size == 0 || !serverHasShm(connection)) return nullptr;
    const int shmId = shmget(IPC_PRIVATE, size, IPC_CREAT | kOwnerReadWrite);
    if (shmId < 0) return nullptr;
    void* address = shmat(shmId, nullptr, 0);
    const xcb_shm_seg_t segment = xcb_generate_id(connection);
    const bool attached = address != reinterpret_cast<void*>(-1) &&
                          attachInServer(connection, segment, shmId);
    // Marked for removal at once: the system frees it when both sides detach,
    // even if this process dies.
    shmctl(shmId, IPC_RMID, nullptr);
    if (!attached) {
        if (address != reinterpret_cast<void*>(-1)) shmdt(address);
        return nullptr;
    }
    return std::unique_ptr<ShmSegment>(
        new ShmSegment(connection, static_cast<uint8_t*>(address), size, segment));
}

ShmSegment::~ShmSegment() {
    xcb_shm_detach(connection_, segment_);
    xcb_flush(connection_);
    shmdt(data_);
}

}  // namespace gui::x11
