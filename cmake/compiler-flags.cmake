# Flags shared by our code and the third-party code built beside it.
# Preview arithmetic must not be contracted into FMAs, so results stay bit-identical across trees.
add_compile_options(-ffp-contract=off)

if(WIN32)
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                            _WIN32_WINNT=0x0601 _WIN32_IE=0x0600 WINVER=0x0601)
    # Programs and the plug-in import only Windows system DLLs.
    add_link_options(-static -static-libgcc -static-libstdc++)
endif()

if(QZR_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

if(QZR_LIBFUZZER)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# Our own code: warnings are errors on every compiler. Called after third-party code is added.
macro(qzr_strict_warnings)
    add_compile_options(-Wall -Wextra -Werror)
endmacro()
