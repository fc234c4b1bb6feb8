// The floor for the extraction: reads paths (one per line) from standard input, calls statx
// once per path and prints the three local times, nothing else.
//
//   statx-floor [THREADS]
//
// With THREADS above 1 (at most 64) the paths are read into memory first and that many
// threads look them up in chunks, so that many requests wait on the disk at once; the lines
// come out in the input's order once all are done.
#define _GNU_SOURCE
#include <fcntl.h>
#include <pthread.h>
#include <stdatomic.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>

enum { kMaxThreads = 64, kChunk = 64, kLineMax = 8192 + 3 * 32 };

static void put(const struct statx_timestamp* stamp, char* out, size_t size)
{
    const time_t seconds = (time_t)stamp->tv_sec;
    struct tm local;
    localtime_r(&seconds, &local);
    strftime(out, size, "%m/%d/%Y %H:%M:%S", &local);
}

// One output line for `path` into `line`; its length.
static int lineFor(const char* path, char* line, size_t size)
{
    struct statx entry;
    if (statx(AT_FDCWD, path, AT_SYMLINK_NOFOLLOW, STATX_MTIME | STATX_ATIME | STATX_BTIME, &entry)
        != 0)
        return snprintf(line, size, "%s\t\t\t\n", path);
    char modified[32], created[32], accessed[32];
    put(&entry.stx_mtime, modified, sizeof modified);
    put(&entry.stx_btime, created, sizeof created);
    put(&entry.stx_atime, accessed, sizeof accessed);
    return snprintf(line, size, "%s\t%s\t%s\t%s\n", path, modified, created, accessed);
}

static char** paths;
static char** lines;
static size_t count;
static atomic_size_t nextChunk;

static void* lookUp(void* unused)
{
    (void)unused;
    char line[kLineMax];
    for (;;) {
        const size_t first = atomic_fetch_add(&nextChunk, 1) * kChunk;
        if (first >= count)
            return NULL;
        for (size_t i = first; i < first + kChunk && i < count; ++i) {
            const int length = lineFor(paths[i], line, sizeof line);
            lines[i] = strndup(line, length < kLineMax ? (size_t)length : kLineMax - 1);
        }
    }
}

static char* readLine(char* buffer, size_t size)
{
    if (fgets(buffer, (int)size, stdin) == NULL)
        return NULL;
    buffer[strcspn(buffer, "\n")] = 0;
    return buffer;
}

int main(int argc, char** argv)
{
    const int threads = argc > 1 ? atoi(argv[1]) : 1;
    if (argc > 2 || threads < 1 || threads > kMaxThreads) {
        fprintf(stderr, "usage: statx-floor [THREADS 1..%d] <PATHS\n", kMaxThreads);
        return 2;
    }
    tzset();
    char path[8192];
    char line[kLineMax];
    if (threads == 1) {
        while (readLine(path, sizeof path) != NULL) {
            lineFor(path, line, sizeof line);
            fputs(line, stdout);
        }
        return 0;
    }

    size_t capacity = 0;
    while (readLine(path, sizeof path) != NULL) {
        if (count == capacity) {
            capacity = capacity ? capacity * 2 : 4096;
            paths = realloc(paths, capacity * sizeof *paths);
            if (paths == NULL)
                return 1;
        }
        paths[count++] = strdup(path);
    }
    lines = calloc(count ? count : 1, sizeof *lines);
    if (lines == NULL)
        return 1;
    pthread_t workers[kMaxThreads];
    for (int i = 0; i < threads; ++i)
        pthread_create(&workers[i], NULL, lookUp, NULL);
    for (int i = 0; i < threads; ++i)
        pthread_join(workers[i], NULL);
    for (size_t i = 0; i < count; ++i)
        fputs(lines[i], stdout);
    return 0;
}
