// The floor for the extraction: reads paths (one per line) from standard input, calls statx
// once per path and prints the three local times, nothing else.
#define _GNU_SOURCE
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>

static void put(const struct statx_timestamp* stamp, char* out, size_t size)
{
    const time_t seconds = (time_t)stamp->tv_sec;
    struct tm local;
    localtime_r(&seconds, &local);
    strftime(out, size, "%m/%d/%Y %H:%M:%S", &local);
}

int main(void)
{
    char path[8192];
    char modified[64], created[64], accessed[64];
    tzset();
    while (fgets(path, sizeof path, stdin) != NULL) {
        path[strcspn(path, "\n")] = 0;
        struct statx entry;
        if (statx(AT_FDCWD, path, AT_SYMLINK_NOFOLLOW, STATX_MTIME | STATX_ATIME | STATX_BTIME,
                  &entry)
            != 0) {
            printf("%s\t\t\t\n", path);
            continue;
        }
        put(&entry.stx_mtime, modified, sizeof modified);
        put(&entry.stx_btime, created, sizeof created);
        put(&entry.stx_atime, accessed, sizeof accessed);
        printf("%s\t%s\t%s\t%s\n", path, modified, created, accessed);
    }
    return 0;
}
