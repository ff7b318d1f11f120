// Stands in for libFuzzer where it is not available: feeds every file of
// the folders (or the files) named on the command line to the target once.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

bool Replay(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    // A copy of exactly the input's size, so a read past the end lands
    // outside the allocation where a sanitizer sees it.
    std::vector<uint8_t> input(bytes.begin(), bytes.end());
    LLVMFuzzerTestOneInput(input.empty() ? nullptr : input.data(), input.size());
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    size_t nInputs = 0;
    for (int i = 1; i < argc; ++i) {
        std::error_code error;
        if (std::filesystem::is_directory(argv[i], error)) {
            for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
                if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
                    nInputs += Replay(entry.path());
        } else if (Replay(argv[i])) {
            ++nInputs;
        } else {
            fprintf(stderr, "replay: %s: cannot be read\n", argv[i]);
            return 1;
        }
    }
    if (nInputs == 0) {
        fprintf(stderr, "replay: no inputs found\n");
        return 1;
    }
    printf("replayed %zu inputs\n", nInputs);
    return 0;
}
