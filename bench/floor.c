/* The least a program can do to convert or edit a file safely, as the floor the speed script
 * (speed_peers.sh) sets beside bed: read the file whole, translate every byte from 0x80 up
 * through a table (convert) or replace every match of a word, exactly as written (replace),
 * write the result to a new file beside it, sync it, rename it over the old one, sync the
 * directory. No lines, no code-page rules, no checks: only the work itself.
 *
 *   floor convert FILE
 *   floor replace FILE SEARCH REPLACEMENT
 */
#define _GNU_SOURCE
#include <fcntl.h>
#include <libgen.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static void fail(const char* what) {
    perror(what);
    exit(1);
}

static char* read_whole(const char* path, size_t* size) {
    int fd = open(path, O_RDONLY);
    struct stat st;
    if (fd < 0 || fstat(fd, &st) != 0) fail(path);
    char* bytes = malloc((size_t)st.st_size + 1);
    size_t got = 0;
    while (got < (size_t)st.st_size) {
        ssize_t n = read(fd, bytes + got, (size_t)st.st_size - got);
        if (n <= 0) fail("read");
        got += (size_t)n;
    }
    close(fd);
    *size = got;
    return bytes;
}

static void write_beside(const char* path, const char* bytes, size_t size) {
    char temp[4096];
    snprintf(temp, sizeof temp, "%s.floor-tmp", path);
    int fd = open(temp, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) fail(temp);
    for (size_t done = 0; done < size;) {
        ssize_t n = write(fd, bytes + done, size - done);
        if (n <= 0) fail("write");
        done += (size_t)n;
    }
    if (fsync(fd) != 0 || close(fd) != 0) fail("fsync");
    if (rename(temp, path) != 0) fail("rename");
    char copy[4096];
    snprintf(copy, sizeof copy, "%s", path);
    int dir = open(dirname(copy), O_RDONLY | O_DIRECTORY);
    if (dir < 0 || fsync(dir) != 0) fail("directory");
    close(dir);
}

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    size_t size;
    char* bytes = read_whole(argv[2], &size);
    if (strcmp(argv[1], "convert") == 0) {
        unsigned char table[256];
        for (int b = 0; b < 256; ++b) table[b] = (unsigned char)(b < 0x80 ? b : b ^ 0x5A);
        for (size_t i = 0; i < size; ++i) bytes[i] = (char)table[(unsigned char)bytes[i]];
        write_beside(argv[2], bytes, size);
        return 0;
    }
    if (argc < 5) return 2;
    const char* search = argv[3];
    const char* replacement = argv[4];
    const size_t m = strlen(search), r = strlen(replacement);
    if (m == 0) return 2;
    char* out = malloc(size + (r > m ? (size / m + 1) * (r - m) : 0) + 1);
    size_t used = 0;
    const char* p = bytes;
    const char* end = bytes + size;
    for (const char* hit; (hit = memmem(p, (size_t)(end - p), search, m)); p = hit + m) {
        memcpy(out + used, p, (size_t)(hit - p));
        used += (size_t)(hit - p);
        memcpy(out + used, replacement, r);
        used += r;
    }
    memcpy(out + used, p, (size_t)(end - p));
    used += (size_t)(end - p);
    write_beside(argv[2], out, used);
    return 0;
}
