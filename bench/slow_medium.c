// kv884-slow-medium: a folder served read-only through FUSE as a slow medium serves it, for the
// benchmarks of a data set on a share or a disc. The kernel keeps nothing (direct I/O, no
// attribute or entry caching), so every read of the program under test reaches this process,
// which answers one request at a time and waits, before it answers, what the medium would take:
// a cost per request, a cost per seek and a cost per byte. The kernel hands a large read over in
// pieces of a few pages; a piece that goes on where the last one ended is the same request to
// the medium (a share streams it, a disc does not seek), until a request's largest size of 1 MiB
// has gone by. Any other read is a new request, and on a disc a seek.
//
//   kv884-slow-medium FOLDER MOUNTPOINT REQUEST_MS SEEK_MS MB_PER_S [fuse options]
//
// It stays in the foreground until the mount point is unmounted (fusermount3 -u MOUNTPOINT).

#define FUSE_USE_VERSION 31

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <fuse.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

static struct {
  const char* folder;
  double requestSeconds;
  double seekSeconds;
  double secondsPerByte;
  int lastFd;  // the file and offset where the medium's last read ended
  off_t lastEnd;
  off_t requestStart;  // where the request that the last read belonged to began
} medium = {NULL, 0, 0, 0, -1, 0, 0};

enum { kLargestRequest = 1 << 20 };

static void wait(double seconds) {
  if (seconds <= 0) return;
  struct timespec t = {(time_t)seconds, (long)((seconds - (time_t)seconds) * 1e9)};
  while (nanosleep(&t, &t) != 0 && errno == EINTR) {
  }
}

static void pathIn(char* out, const char* path) {
  snprintf(out, PATH_MAX, "%s%s", medium.folder, path);
}

static void* mediumInit(struct fuse_conn_info* conn, struct fuse_config* config) {
  (void)conn;
  config->direct_io = 1;
  config->kernel_cache = 0;
  config->entry_timeout = 0;
  config->attr_timeout = 0;
  config->negative_timeout = 0;
  return NULL;
}

static int mediumGetattr(const char* path, struct stat* st, struct fuse_file_info* fi) {
  (void)fi;
  char full[PATH_MAX];
  pathIn(full, path);
  wait(medium.requestSeconds);
  return lstat(full, st) == 0 ? 0 : -errno;
}

static int mediumReaddir(const char* path, void* buffer, fuse_fill_dir_t fill, off_t offset,
                         struct fuse_file_info* fi, enum fuse_readdir_flags flags) {
  (void)offset, (void)fi, (void)flags;
  char full[PATH_MAX];
  pathIn(full, path);
  wait(medium.requestSeconds);
  DIR* dir = opendir(full);
  if (!dir) return -errno;
  for (struct dirent* entry; (entry = readdir(dir)) != NULL;)
    fill(buffer, entry->d_name, NULL, 0, 0);
  closedir(dir);
  return 0;
}

static int mediumOpen(const char* path, struct fuse_file_info* fi) {
  if ((fi->flags & O_ACCMODE) != O_RDONLY) return -EROFS;
  char full[PATH_MAX];
  pathIn(full, path);
  wait(medium.requestSeconds);
  int fd = open(full, O_RDONLY);
  if (fd < 0) return -errno;
  fi->fh = (uint64_t)fd;
  fi->direct_io = 1;
  fi->keep_cache = 0;
  return 0;
}

static int mediumRead(const char* path, char* buffer, size_t size, off_t offset,
                      struct fuse_file_info* fi) {
  (void)path;
  const int fd = (int)fi->fh;
  ssize_t got = pread(fd, buffer, size, offset);
  if (got < 0) return -errno;
  double seconds = (double)got * medium.secondsPerByte;
  const int goesOn = fd == medium.lastFd && offset == medium.lastEnd;
  if (!goesOn) seconds += medium.seekSeconds;
  if (!goesOn || offset - medium.requestStart >= kLargestRequest) {
    seconds += medium.requestSeconds;
    medium.requestStart = offset;
  }
  wait(seconds);
  medium.lastFd = fd;
  medium.lastEnd = offset + got;
  return (int)got;
}

static int mediumRelease(const char* path, struct fuse_file_info* fi) {
  (void)path;
  if ((int)fi->fh == medium.lastFd) medium.lastFd = -1;  // a later file may get the number
  close((int)fi->fh);
  return 0;
}

static const struct fuse_operations kOperations = {
    .getattr = mediumGetattr,
    .open = mediumOpen,
    .read = mediumRead,
    .release = mediumRelease,
    .readdir = mediumReaddir,
    .init = mediumInit,
};

int main(int argc, char* argv[]) {
  if (argc < 6) {
    fprintf(stderr,
            "usage: kv884-slow-medium FOLDER MOUNTPOINT REQUEST_MS SEEK_MS MB_PER_S [options]\n");
    return 64;
  }
  static char folder[PATH_MAX];
  if (!realpath(argv[1], folder)) {
    perror(argv[1]);
    return 66;
  }
  medium.folder = folder;
  medium.requestSeconds = atof(argv[3]) / 1e3;
  medium.seekSeconds = atof(argv[4]) / 1e3;
  medium.secondsPerByte = 1.0 / (atof(argv[5]) * 1e6);
  // The mount point and FUSE's own options: foreground, one request at a time, read-only.
  char* fuseArgs[64] = {argv[0], argv[2], "-f", "-s", "-o", "ro,default_permissions"};
  int count = 6;
  for (int i = 6; i < argc && count < 63; ++i) fuseArgs[count++] = argv[i];
  return fuse_main(count, fuseArgs, &kOperations, NULL);
}
