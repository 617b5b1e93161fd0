# qzr_dist(target subdir): copy a finished program into dist/<subdir>/ after each build.
function(qzr_dist target subdir)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E make_directory "${QZR_DIST_DIR}/${subdir}"
        COMMAND ${CMAKE_COMMAND} -E copy "$<TARGET_FILE:${target}>" "${QZR_DIST_DIR}/${subdir}/"
        VERBATIM)
endfunction()
