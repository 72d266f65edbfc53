#include "platform/shared_rows.h"

#include <sys/ipc.h>
#include <sys/mman.h>
#include <sys/shm.h>
#include <unistd.h>

namespace skyfolio {

std::unique_ptr<SharedRows> SharedRows::make(size_t bytes, Reader reader) {
    if (bytes == 0) return nullptr;
    if (reader == Reader::Compositor) {
        const int fd = memfd_create("skyfolio-rows", MFD_CLOEXEC);
        if (fd < 0) return nullptr;
        void* data = ftruncate(fd, off_t(bytes)) == 0
                         ? mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0)
                         : MAP_FAILED;
        if (data == MAP_FAILED) {
            close(fd);
            return nullptr;
        }
        return std::unique_ptr<SharedRows>(new SharedRows(-1, fd, static_cast<uint32_t*>(data), bytes));
    }
    const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (id < 0) return nullptr;
    void* data = shmat(id, nullptr, 0);
    // Linux lets a removed segment be mapped while anyone still maps it: the
    // server maps it later, and a killed saver leaves nothing behind.
    shmctl(id, IPC_RMID, nullptr);
    if (data == reinterpret_cast<void*>(-1)) return nullptr;
    return std::unique_ptr<SharedRows>(new SharedRows(id, -1, static_cast<uint32_t*>(data), bytes));
}

SharedRows::~SharedRows() {
    if (fd_ < 0) {
        shmdt(data_);
        return;
    }
    munmap(data_, bytes_);
    close(fd_);
}

}  // namespace skyfolio
