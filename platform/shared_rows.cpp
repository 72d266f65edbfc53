#include "platform/shared_rows.h"

#include <sys/ipc.h>
#include <sys/shm.h>

namespace skyfolio {

std::unique_ptr<SharedRows> SharedRows::make(size_t bytes) {
    const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (id < 0) return nullptr;
    void* data = shmat(id, nullptr, 0);
    // Linux lets a removed segment be mapped while anyone still maps it: the
    // server maps it later, and a killed saver leaves nothing behind.
    shmctl(id, IPC_RMID, nullptr);
    if (data == reinterpret_cast<void*>(-1)) return nullptr;
    return std::unique_ptr<SharedRows>(new SharedRows(id, static_cast<uint32_t*>(data)));
}

SharedRows::~SharedRows() { shmdt(data_); }

}  // namespace skyfolio
