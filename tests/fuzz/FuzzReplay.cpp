// main() of a fuzz target outside the fuzz build: feeds it every file of the folders (or the
// files) named on the command line, once each, in name order. A target stops the program when
// an input breaks its reader's contract; this main fails when it found no input at all, so that a
// corpus that went missing cannot pass for a clean one.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) __attribute__((weak));

namespace {

bool isDirectory(const std::string &path)
{
    struct stat s;
    return stat(path.c_str(), &s) == 0 && S_ISDIR(s.st_mode);
}

void addInputs(const std::string &path, std::vector<std::string> *inputs)
{
    if (!isDirectory(path)) {
        inputs->push_back(path);
        return;
    }
    dirent **entries = nullptr;
    const int n = scandir(path.c_str(), &entries, nullptr, alphasort);
    for (int i = 0; i < n; ++i) {
        const std::string name = entries[i]->d_name;
        if (name != "." && name != "..")
            addInputs(path + "/" + name, inputs);
        free(entries[i]);
    }
    free(entries);
}

} // namespace

int main(int argc, char **argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    std::vector<std::string> inputs;
    for (int i = 1; i < argc; ++i)
        addInputs(argv[i], &inputs);
    for (const std::string &input : inputs) {
        std::ifstream file(input, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "cannot read %s\n", input.c_str());
            return 1;
        }
        const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        std::fprintf(stderr, "%s (%zu bytes)\n", input.c_str(), bytes.size());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs\n", inputs.size());
    return inputs.empty() ? 1 : 0;
}
