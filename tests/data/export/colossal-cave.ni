"colossal-cave" by Rumbario

[Para que el juego hable español, instale la extensión Spanish Language by Sebastian Arg y escriba (in Spanish) tras el título: "colossal-cave" (in Spanish) by Rumbario. Generado por Rumbario.]

There is a room called You_re_in_front_of_building. "You're in front of building." The printed name of You_re_in_front_of_building is "You're in front of building".
There is a room called You_re_at_hill_in_road. "You're at hill in road." The printed name of You_re_at_hill_in_road is "You're at hill in road".
There is a room called You_re_inside_building. "You're inside building." The printed name of You_re_inside_building is "You're inside building".
There is a room called You_re_in_valley. "You're in valley." The printed name of You_re_in_valley is "You're in valley".
There is a room called You_re_at_end_of_road. "You're at end of road." The printed name of You_re_at_end_of_road is "You're at end of road".
There is a room called You_re_at_cliff. "You're at cliff." The printed name of You_re_at_cliff is "You're at cliff".
There is a room called You_re_at_slit_in_streambed. "You're at slit in streambed." The printed name of You_re_at_slit_in_streambed is "You're at slit in streambed".
There is a room called You_re_outside_grate. "You're outside grate." The printed name of You_re_outside_grate is "You're outside grate".
There is a room called You_re_below_the_grate. "You're below the grate." The printed name of You_re_below_the_grate is "You're below the grate".
There is a room called You_re_in_cobble_crawl. "You're in cobble crawl." The printed name of You_re_in_cobble_crawl is "You're in cobble crawl".
There is a room called You_re_in_debris_room. "You're in debris room." The printed name of You_re_in_debris_room is "You're in debris room".
There is a room called You_are_in_an_awkward_sloping_ea. "You are in an awkward sloping east/west canyon." The printed name of You_are_in_an_awkward_sloping_ea is "You are in an awkward sloping east/west".
There is a room called You_re_in_bird_chamber. "You're in bird chamber." The printed name of You_re_in_bird_chamber is "You're in bird chamber".
There is a room called You_re_at_top_of_small_pit. "You're at top of small pit." The printed name of You_re_at_top_of_small_pit is "You're at top of small pit".
There is a room called You_re_in_Hall_of_Mists. "You're in Hall of Mists." The printed name of You_re_in_Hall_of_Mists is "You're in Hall of Mists".
There is a room called The_crack_is_far_too_small_for_y. "The crack is far too small for you to follow.  At its widest it is barely wide enough to admit your" The printed name of The_crack_is_far_too_small_for_y is "The crack is far too small for you to fo".
There is a room called You_re_on_east_bank_of_fissure. "You're on east bank of fissure." The printed name of You_re_on_east_bank_of_fissure is "You're on east bank of fissure".
There is a room called You_re_in_nugget_of_gold_room. "You're in nugget-of-gold room." The printed name of You_re_in_nugget_of_gold_room is "You're in nugget-of-gold room".
There is a room called You_re_in_Hall_of_Mt_King. "You're in Hall of Mt King." The printed name of You_re_in_Hall_of_Mt_King is "You're in Hall of Mt King".
There is a room called You_are_at_the_bottom_of_the_pit. "You are at the bottom of the pit with a broken neck." The printed name of You_are_at_the_bottom_of_the_pit is "You are at the bottom of the pit with a".
There is a room called You_didn_t_make_it. "You didn't make it." The printed name of You_didn_t_make_it is "You didn't make it".
There is a room called The_dome_is_unclimbable. "The dome is unclimbable." The printed name of The_dome_is_unclimbable is "The dome is unclimbable".
There is a room called You_re_at_west_end_of_Twopit_Roo. "You're at west end of Twopit Room." The printed name of You_re_at_west_end_of_Twopit_Roo is "You're at west end of Twopit Room".
There is a room called You_re_in_east_pit. "You're in east pit." The printed name of You_re_in_east_pit is "You're in east pit".
There is a room called You_re_in_west_pit. "You're in west pit." The printed name of You_re_in_west_pit is "You're in west pit".
There is a room called You_clamber_up_the_plant_and_scu. "You clamber up the plant and scurry through the hole at the top." The printed name of You_clamber_up_the_plant_and_scu is "You clamber up the plant and scurry thro".
There is a room called You_re_on_west_bank_of_fissure. "You're on west bank of fissure." The printed name of You_re_on_west_bank_of_fissure is "You're on west bank of fissure".
There is a room called You_re_in_n_s_passage_above_e_w. "You're in n/s passage above e/w passage." The printed name of You_re_in_n_s_passage_above_e_w is "You're in n/s passage above e/w passage".
There is a room called You_are_in_the_south_side_chambe. "You are in the south side chamber." The printed name of You_are_in_the_south_side_chambe is "You are in the south side chamber".
There is a room called You_re_in_the_west_side_chamber. "You're in the west side chamber." The printed name of You_re_in_the_west_side_chamber is "You're in the west side chamber".
There is a room called Sala 31.
There is a room called You_can_t_get_by_the_snake. "You can't get by the snake." The printed name of You_can_t_get_by_the_snake is "You can't get by the snake".
There is a room called You_re_at_Y2. "You're at [']Y2[']." The printed name of You_re_at_Y2 is "You're at [']Y2[']".
There is a room called You_are_in_a_jumble_of_rock. "You are in a jumble of rock, with cracks everywhere." The printed name of You_are_in_a_jumble_of_rock is "You are in a jumble of rock".
There is a room called You_re_at_window_on_pit. "You're at window on pit." The printed name of You_re_at_window_on_pit is "You're at window on pit".
There is a room called You_re_in_dirty_passage. "You're in dirty passage." The printed name of You_re_in_dirty_passage is "You're in dirty passage".
There is a room called You_re_at_brink_of_small_pit. "You're at brink of small pit." The printed name of You_re_at_brink_of_small_pit is "You're at brink of small pit".
There is a room called You_re_at_bottom_of_pit_with_str. "You're at bottom of pit with stream." The printed name of You_re_at_bottom_of_pit_with_str is "You're at bottom of pit with stream".
There is a room called You_re_in_dusty_rock_room. "You're in dusty rock room." The printed name of You_re_in_dusty_rock_room is "You're in dusty rock room".
There is a room called You have crawled through a very low wide. "You have crawled through a very low wide passage parallel to and north of the Hall of Mists."
There is a room called You_re_at_west_end_of_Hall_of_Mi. "You're at west end of Hall of Mists." The printed name of You_re_at_west_end_of_Hall_of_Mi is "You're at west end of Hall of Mists".
There is a room called You_are_in_a_maze_of_twisty_litt. "You are in a maze of twisty little passages, all alike." The printed name of You_are_in_a_maze_of_twisty_litt is "You are in a maze of twisty little passa".
There is a room called You_are_in_a_maze_of_twisty_li_2. "You are in a maze of twisty little passages, all alike." The printed name of You_are_in_a_maze_of_twisty_li_2 is "You are in a maze of twisty little passa 2".
There is a room called You_are_in_a_maze_of_twisty_li_3. "You are in a maze of twisty little passages, all alike." The printed name of You_are_in_a_maze_of_twisty_li_3 is "You are in a maze of twisty little passa 3".
There is a room called You_are_in_a_maze_of_twisty_li_4. "You are in a maze of twisty little passages, all alike." The printed name of You_are_in_a_maze_of_twisty_li_4 is "You are in a maze of twisty little passa 4".
There is a room called Dead end. "Dead end"
There is a room called Dead end 2. "Dead end"
There is a room called Dead end 3. "Dead end"
There is a room called You_are_in_a_maze_of_twisty_li_5. "You are in a maze of twisty little passages, all alike." The printed name of You_are_in_a_maze_of_twisty_li_5 is "You are in a maze of twisty little passa 5".
There is a room called You_are_in_a_maze_of_twisty_li_6. "You are in a maze of twisty little passages, all alike." The printed name of You_are_in_a_maze_of_twisty_li_6 is "You are in a maze of twisty little passa 6".
There is a room called You_are_in_a_maze_of_twisty_li_7. "You are in a maze of twisty little passages, all alike." The printed name of You_are_in_a_maze_of_twisty_li_7 is "You are in a maze of twisty little passa 7".
There is a room called You_are_in_a_maze_of_twisty_li_8. "You are in a maze of twisty little passages, all alike." The printed name of You_are_in_a_maze_of_twisty_li_8 is "You are in a maze of twisty little passa 8".
There is a room called You_are_in_a_maze_of_twisty_li_9. "You are in a maze of twisty little passages, all alike." The printed name of You_are_in_a_maze_of_twisty_li_9 is "You are in a maze of twisty little passa 9".
There is a room called Dead end 4. "Dead end"
There is a room called You_are_in_a_maze_of_twisty_l_10. "You are in a maze of twisty little passages, all alike." The printed name of You_are_in_a_maze_of_twisty_l_10 is "You are in a maze of twisty little passa 10".
There is a room called Dead end 5. "Dead end"
There is a room called You_re_at_brink_of_pit. "You're at brink of pit." The printed name of You_re_at_brink_of_pit is "You're at brink of pit".
There is a room called Dead end 6. "Dead end"
There is a room called You have crawled through a very low wide 2. "You have crawled through a very low wide passage parallel to and north of the Hall of Mists."
There is a room called You_re_at_east_end_of_long_hall. "You're at east end of long hall." The printed name of You_re_at_east_end_of_long_hall is "You're at east end of long hall".
There is a room called You_re_at_west_end_of_long_hall. "You're at west end of long hall." The printed name of You_re_at_west_end_of_long_hall is "You're at west end of long hall".
There is a room called You_are_at_a_crossover_of_a_high. "You are at a crossover of a high n/s passage and a low e/w one." The printed name of You_are_at_a_crossover_of_a_high is "You are at a crossover of a high n/s pas".
There is a room called Dead end 7. "Dead end"
There is a room called You_re_at_complex_junction. "You're at complex junction." The printed name of You_re_at_complex_junction is "You're at complex junction".
There is a room called You_re_in_Bedquilt. "You're in Bedquilt." The printed name of You_re_in_Bedquilt is "You're in Bedquilt".
There is a room called You_re_in_Swiss_Cheese_Room. "You're in Swiss Cheese Room." The printed name of You_re_in_Swiss_Cheese_Room is "You're in Swiss Cheese Room".
There is a room called You_re_at_east_end_of_Twopit_Roo. "You're at east end of Twopit Room." The printed name of You_re_at_east_end_of_Twopit_Roo is "You're at east end of Twopit Room".
There is a room called You_re_in_Slab_Room. "You're in Slab Room." The printed name of You_re_in_Slab_Room is "You're in Slab Room".
There is a room called You_are_in_a_secret_n_s_canyon_a. "You are in a secret n/s canyon above a large room." The printed name of You_are_in_a_secret_n_s_canyon_a is "You are in a secret n/s canyon above a l".
There is a room called You_are_in_a_secret_n_s_canyon_2. "You are in a secret n/s canyon above a sizable passage." The printed name of You_are_in_a_secret_n_s_canyon_2 is "You are in a secret n/s canyon above a s".
There is a room called You_re_at_junction_of_three_secr. "You're at junction of three secret canyons." The printed name of You_re_at_junction_of_three_secr is "You're at junction of three secret canyo".
There is a room called You_re_in_large_low_room. "You're in large low room." The printed name of You_re_in_large_low_room is "You're in large low room".
There is a room called Dead end crawl. "Dead end crawl."
There is a room called You_re_in_secret_e_w_canyon_abov. "You're in secret e/w canyon above tight canyon." The printed name of You_re_in_secret_e_w_canyon_abov is "You're in secret e/w canyon above tight".
There is a room called You_are_at_a_wide_place_in_a_ver. "You are at a wide place in a very tight n/s canyon." The printed name of You_are_at_a_wide_place_in_a_ver is "You are at a wide place in a very tight".
There is a room called The canyon here becomes too tight to go. "The canyon here becomes too tight to go further south."
There is a room called You_are_in_a_tall_e_w_canyon. "You are in a tall e/w canyon.  A low tight crawl goes 3 feet north and seems to open up." The printed name of You_are_in_a_tall_e_w_canyon is "You are in a tall e/w canyon".
There is a room called The_canyon_runs_into_a_mass_of_b. "The canyon runs into a mass of boulders -- dead end." The printed name of The_canyon_runs_into_a_mass_of_b is "The canyon runs into a mass of boulders".
There is a room called The_stream_flows_out_through_a_p. "The stream flows out through a pair of 1 foot diameter sewer pipes. It would be advisable to use the" The printed name of The_stream_flows_out_through_a_p is "The stream flows out through a pair of 1".
There is a room called You_are_in_a_maze_of_twisty_l_11. "You are in a maze of twisty little passages, all alike." The printed name of You_are_in_a_maze_of_twisty_l_11 is "You are in a maze of twisty little passa 11".
There is a room called Dead end 8. "Dead end"
There is a room called Dead end 9. "Dead end"
There is a room called You_are_in_a_maze_of_twisty_l_12. "You are in a maze of twisty little passages, all alike." The printed name of You_are_in_a_maze_of_twisty_l_12 is "You are in a maze of twisty little passa 12".
There is a room called You_are_in_a_maze_of_twisty_l_13. "You are in a maze of twisty little passages, all alike." The printed name of You_are_in_a_maze_of_twisty_l_13 is "You are in a maze of twisty little passa 13".
There is a room called Dead end 10. "Dead end"
There is a room called Dead end 11. "Dead end"
There is a room called You_are_in_a_maze_of_twisty_l_14. "You are in a maze of twisty little passages, all alike." The printed name of You_are_in_a_maze_of_twisty_l_14 is "You are in a maze of twisty little passa 14".
There is a room called You_re_in_narrow_corridor. "You're in narrow corridor." The printed name of You_re_in_narrow_corridor is "You're in narrow corridor".
There is a room called There_is_nothing_here_to_climb. "There is nothing here to climb.  Use [']up['] or [']out['] to leave the pit." The printed name of There_is_nothing_here_to_climb is "There is nothing here to climb".
There is a room called You_have_climbed_up_the_plant_an. "You have climbed up the plant and out of the pit." The printed name of You_have_climbed_up_the_plant_an is "You have climbed up the plant and out of".
There is a room called You_re_at_steep_incline_above_la. "You're at steep incline above large room." The printed name of You_re_at_steep_incline_above_la is "You're at steep incline above large room".
There is a room called You_re_in_Giant_Room. "You're in Giant Room." The printed name of You_re_in_Giant_Room is "You're in Giant Room".
There is a room called The_passage_here_is_blocked_by_a. "The passage here is blocked by a recent cave-in." The printed name of The_passage_here_is_blocked_by_a is "The passage here is blocked by a recent".
There is a room called You_are_at_one_end_of_an_immense. "You are at one end of an immense north/south passage." The printed name of You_are_at_one_end_of_an_immense is "You are at one end of an immense north/s".
There is a room called You_re_in_cavern_with_waterfall. "You're in cavern with waterfall." The printed name of You_re_in_cavern_with_waterfall is "You're in cavern with waterfall".
There is a room called You_re_in_Soft_Room. "You're in Soft Room." The printed name of You_re_in_Soft_Room is "You're in Soft Room".
There is a room called You_re_in_Oriental_Room. "You're in Oriental Room." The printed name of You_re_in_Oriental_Room is "You're in Oriental Room".
There is a room called You_re_in_misty_cavern. "You're in misty cavern." The printed name of You_re_in_misty_cavern is "You're in misty cavern".
There is a room called You_re_in_alcove. "You're in alcove." The printed name of You_re_in_alcove is "You're in alcove".
There is a room called You_re_in_Plover_Room. "You're in Plover Room." The printed name of You_re_in_Plover_Room is "You're in Plover Room".
There is a room called You_re_in_dark_room. "You're in dark-room." The printed name of You_re_in_dark_room is "You're in dark-room".
There is a room called You_re_in_arched_hall. "You're in arched hall." The printed name of You_re_in_arched_hall is "You're in arched hall".
There is a room called You_re_in_Shell_Room. "You're in Shell Room." The printed name of You_re_in_Shell_Room is "You're in Shell Room".
There is a room called You_are_in_a_long_sloping_corrid. "You are in a long sloping corridor with ragged sharp walls." The printed name of You_are_in_a_long_sloping_corrid is "You are in a long sloping corridor with".
There is a room called You_are_in_a_cul_de_sac_about_ei. "You are in a cul-de-sac about eight feet across." The printed name of You_are_in_a_cul_de_sac_about_ei is "You are in a cul-de-sac about eight feet".
There is a room called You_re_in_anteroom. "You're in anteroom." The printed name of You_re_in_anteroom is "You're in anteroom".
There is a room called You_are_in_a_maze_of_twisty_l_15. "You are in a maze of twisty little passages, all different." The printed name of You_are_in_a_maze_of_twisty_l_15 is "You are in a maze of twisty little passa 15".
There is a room called You_re_at_Witt_s_End. "You're at Witt's End." The printed name of You_re_at_Witt_s_End is "You're at Witt's End".
There is a room called You_re_in_Mirror_Canyon. "You're in Mirror Canyon." The printed name of You_re_in_Mirror_Canyon is "You're in Mirror Canyon".
There is a room called You_re_at_window_on_pit_2. "You're at window on pit." The printed name of You_re_at_window_on_pit_2 is "You're at window on pit 2".
There is a room called You_re_at_top_of_stalactite. "You're at top of stalactite." The printed name of You_re_at_top_of_stalactite is "You're at top of stalactite".
There is a room called You_are_in_a_little_maze_of_twis. "You are in a little maze of twisting passages, all different." The printed name of You_are_in_a_little_maze_of_twis is "You are in a little maze of twisting pas".
There is a room called You_re_at_reservoir. "You're at reservoir." The printed name of You_re_at_reservoir is "You're at reservoir".
There is a room called Dead end 12. "Dead end"
There is a room called You_re_at_ne_end. "You're at ne end." The printed name of You_re_at_ne_end is "You're at ne end".
There is a room called You_re_at_sw_end. "You're at sw end." The printed name of You_re_at_sw_end is "You're at sw end".
There is a room called You_re_on_sw_side_of_chasm. "You're on sw side of chasm." The printed name of You_re_on_sw_side_of_chasm is "You're on sw side of chasm".
There is a room called You_re_in_sloping_corridor. "You're in sloping corridor." The printed name of You_re_in_sloping_corridor is "You're in sloping corridor".
There is a room called You_are_in_a_secret_canyon_which. "You are in a secret canyon which exits to the north and east." The printed name of You_are_in_a_secret_canyon_which is "You are in a secret canyon which exits t".
There is a room called You_are_in_a_secret_canyon_whi_2. "You are in a secret canyon which exits to the north and east." The printed name of You_are_in_a_secret_canyon_whi_2 is "You are in a secret canyon which exits t 2".
There is a room called You_are_in_a_secret_canyon_whi_3. "You are in a secret canyon which exits to the north and east." The printed name of You_are_in_a_secret_canyon_whi_3 is "You are in a secret canyon which exits t 3".
There is a room called You_re_on_ne_side_of_chasm. "You're on ne side of chasm." The printed name of You_re_on_ne_side_of_chasm is "You're on ne side of chasm".
There is a room called You_re_in_corridor. "You're in corridor." The printed name of You_re_in_corridor is "You're in corridor".
There is a room called You_re_at_fork_in_path. "You're at fork in path." The printed name of You_re_at_fork_in_path is "You're at fork in path".
There is a room called You_re_at_junction_with_warm_wal. "You're at junction with warm walls." The printed name of You_re_at_junction_with_warm_wal is "You're at junction with warm walls".
There is a room called You_re_at_breath_taking_view. "You're at breath-taking view." The printed name of You_re_at_breath_taking_view is "You're at breath-taking view".
There is a room called You_re_in_Chamber_of_Boulders. "You're in Chamber of Boulders." The printed name of You_re_in_Chamber_of_Boulders is "You're in Chamber of Boulders".
There is a room called You_re_in_limestone_passage. "You're in limestone passage." The printed name of You_re_in_limestone_passage is "You're in limestone passage".
There is a room called You_re_in_front_of_Barren_Room. "You're in front of Barren Room." The printed name of You_re_in_front_of_Barren_Room is "You're in front of Barren Room".
There is a room called You_re_in_Barren_Room. "You're in Barren Room." The printed name of You_re_in_Barren_Room is "You're in Barren Room".
There is a room called You_are_in_a_maze_of_twisting_li. "You are in a maze of twisting little passages, all different." The printed name of You_are_in_a_maze_of_twisting_li is "You are in a maze of twisting little pas".
There is a room called You_are_in_a_little_maze_of_tw_2. "You are in a little maze of twisty passages, all different." The printed name of You_are_in_a_little_maze_of_tw_2 is "You are in a little maze of twisty passa".
There is a room called You_are_in_a_twisting_maze_of_li. "You are in a twisting maze of little passages, all different." The printed name of You_are_in_a_twisting_maze_of_li is "You are in a twisting maze of little pas".
There is a room called You_are_in_a_twisting_little_maz. "You are in a twisting little maze of passages, all different." The printed name of You_are_in_a_twisting_little_maz is "You are in a twisting little maze of pas".
There is a room called You_are_in_a_twisty_little_maze. "You are in a twisty little maze of passages, all different." The printed name of You_are_in_a_twisty_little_maze is "You are in a twisty little maze of passa".
There is a room called You_are_in_a_twisty_maze_of_litt. "You are in a twisty maze of little passages, all different." The printed name of You_are_in_a_twisty_maze_of_litt is "You are in a twisty maze of little passa".
There is a room called You_are_in_a_little_twisty_maze. "You are in a little twisty maze of passages, all different." The printed name of You_are_in_a_little_twisty_maze is "You are in a little twisty maze of passa".
There is a room called You_are_in_a_maze_of_little_twis. "You are in a maze of little twisting passages, all different." The printed name of You_are_in_a_maze_of_little_twis is "You are in a maze of little twisting pas".
There is a room called You_are_in_a_maze_of_little_tw_2. "You are in a maze of little twisty passages, all different." The printed name of You_are_in_a_maze_of_little_tw_2 is "You are in a maze of little twisty passa".
There is a room called Dead end 13. "Dead end"
There is a room called You_are_in_a_long. "You are in a long, rough-hewn, north/south corridor." The printed name of You_are_in_a_long is "You are in a long".
There is a room called There_is_no_way_to_go_that_direc. "There is no way to go that direction." The printed name of There_is_no_way_to_go_that_direc is "There is no way to go that direction".
There is a room called You_are_in_a_large_chamber_with. "You are in a large chamber with passages to the west and north." The printed name of You_are_in_a_large_chamber_with is "You are in a large chamber with passages".
There is a room called You_are_in_the_ogre_s_storeroom. "You are in the ogre's storeroom.  The only exit is to the south." The printed name of You_are_in_the_ogre_s_storeroom is "You are in the ogre's storeroom".
There is a room called You_are_wandering_aimlessly_thro. "You are wandering aimlessly through the forest." The printed name of You_are_wandering_aimlessly_thro is "You are wandering aimlessly through the".
There is a room called You_are_wandering_aimlessly_th_2. "You are wandering aimlessly through the forest." The printed name of You_are_wandering_aimlessly_th_2 is "You are wandering aimlessly through the 2".
There is a room called You_are_wandering_aimlessly_th_3. "You are wandering aimlessly through the forest." The printed name of You_are_wandering_aimlessly_th_3 is "You are wandering aimlessly through the 3".
There is a room called You_are_wandering_aimlessly_th_4. "You are wandering aimlessly through the forest." The printed name of You_are_wandering_aimlessly_th_4 is "You are wandering aimlessly through the 4".
There is a room called You_are_wandering_aimlessly_th_5. "You are wandering aimlessly through the forest." The printed name of You_are_wandering_aimlessly_th_5 is "You are wandering aimlessly through the 5".
There is a room called You_are_wandering_aimlessly_th_6. "You are wandering aimlessly through the forest." The printed name of You_are_wandering_aimlessly_th_6 is "You are wandering aimlessly through the 6".
There is a room called You_are_wandering_aimlessly_th_7. "You are wandering aimlessly through the forest." The printed name of You_are_wandering_aimlessly_th_7 is "You are wandering aimlessly through the 7".
There is a room called You_are_wandering_aimlessly_th_8. "You are wandering aimlessly through the forest." The printed name of You_are_wandering_aimlessly_th_8 is "You are wandering aimlessly through the 8".
There is a room called You_are_wandering_aimlessly_th_9. "You are wandering aimlessly through the forest." The printed name of You_are_wandering_aimlessly_th_9 is "You are wandering aimlessly through the 9".
There is a room called You_are_wandering_aimlessly_t_10. "You are wandering aimlessly through the forest." The printed name of You_are_wandering_aimlessly_t_10 is "You are wandering aimlessly through the 10".
There is a room called You_are_wandering_aimlessly_t_11. "You are wandering aimlessly through the forest." The printed name of You_are_wandering_aimlessly_t_11 is "You are wandering aimlessly through the 11".
There is a room called You_are_wandering_aimlessly_t_12. "You are wandering aimlessly through the forest." The printed name of You_are_wandering_aimlessly_t_12 is "You are wandering aimlessly through the 12".
There is a room called You_are_wandering_aimlessly_t_13. "You are wandering aimlessly through the forest." The printed name of You_are_wandering_aimlessly_t_13 is "You are wandering aimlessly through the 13".
There is a room called You_are_wandering_aimlessly_t_14. "You are wandering aimlessly through the forest." The printed name of You_are_wandering_aimlessly_t_14 is "You are wandering aimlessly through the 14".
There is a room called You_are_wandering_aimlessly_t_15. "You are wandering aimlessly through the forest." The printed name of You_are_wandering_aimlessly_t_15 is "You are wandering aimlessly through the 15".
There is a room called You_are_wandering_aimlessly_t_16. "You are wandering aimlessly through the forest." The printed name of You_are_wandering_aimlessly_t_16 is "You are wandering aimlessly through the 16".
There is a room called You_are_wandering_aimlessly_t_17. "You are wandering aimlessly through the forest." The printed name of You_are_wandering_aimlessly_t_17 is "You are wandering aimlessly through the 17".
There is a room called You_are_wandering_aimlessly_t_18. "You are wandering aimlessly through the forest." The printed name of You_are_wandering_aimlessly_t_18 is "You are wandering aimlessly through the 18".
There is a room called You_are_wandering_aimlessly_t_19. "You are wandering aimlessly through the forest." The printed name of You_are_wandering_aimlessly_t_19 is "You are wandering aimlessly through the 19".
There is a room called You_are_wandering_aimlessly_t_20. "You are wandering aimlessly through the forest." The printed name of You_are_wandering_aimlessly_t_20 is "You are wandering aimlessly through the 20".
There is a room called You_are_wandering_aimlessly_t_21. "You are wandering aimlessly through the forest." The printed name of You_are_wandering_aimlessly_t_21 is "You are wandering aimlessly through the 21".
There is a room called You_are_wandering_aimlessly_t_22. "You are wandering aimlessly through the forest." The printed name of You_are_wandering_aimlessly_t_22 is "You are wandering aimlessly through the 22".
There is a room called You_re_on_ledge. "You're on ledge." The printed name of You_re_on_ledge is "You're on ledge".
There is a room called You_re_at_bottom_of_reservoir. "You're at bottom of reservoir." The printed name of You_re_at_bottom_of_reservoir is "You're at bottom of reservoir".
There is a room called You_re_north_of_reservoir. "You're north of reservoir." The printed name of You_re_north_of_reservoir is "You're north of reservoir".
There is a room called You_are_scrambling_along_a_treac. "You are scrambling along a treacherously steep, rocky passage." The printed name of You_are_scrambling_along_a_treac is "You are scrambling along a treacherously".
There is a room called You_are_on_a_very_steep_incline. "You are on a very steep incline, which widens at it goes upward." The printed name of You_are_on_a_very_steep_incline is "You are on a very steep incline".
There is a room called You_re_at_base_of_cliff. "You're at base of cliff." The printed name of You_re_at_base_of_cliff is "You're at base of cliff".
There is a room called You_are_climbing_along_a_nearly. "You are climbing along a nearly vertical cliff." The printed name of You_are_climbing_along_a_nearly is "You are climbing along a nearly vertical".
There is a room called Just as you reach the top. "Just as you reach the top, your foot slips on a loose rock and you tumble several hundred feet to jo"
There is a room called Just as you reach the top 2. "Just as you reach the top, your foot slips on a loose rock and you make one last desperate grab.  Yo"
There is a room called You_re_at_top_of_cliff. "You're at top of cliff." The printed name of You_re_at_top_of_cliff is "You're at top of cliff".
There is a room called You have reached a dead end. "You have reached a dead end."
There is a room called There_is_now_one_more_gruesome_a. "There is now one more gruesome aspect to the spectacular vista." The printed name of There_is_now_one_more_gruesome_a is "There is now one more gruesome aspect to".
There is a room called >>Foof!<<. ">>Foof!<<"
There is a room called >>Foof!<< 2. ">>Foof!<<"
There is a room called >>Foof!<< 3. ">>Foof!<<"
There is a room called >>Foof!<< 4. ">>Foof!<<"
There is a room called >>Foof!<< 5. ">>Foof!<<"
There is a room called >>Foof!<< 6. ">>Foof!<<"

North of You_re_in_front_of_building is You_are_wandering_aimlessly_thro.
East of You_re_in_front_of_building is You_re_inside_building.
South of You_re_in_front_of_building is You_re_in_valley.
West of You_re_in_front_of_building is You_re_at_hill_in_road.
Up from You_re_in_front_of_building is You_re_at_hill_in_road.
Down from You_re_in_front_of_building is You_re_in_valley.
Inside from You_re_in_front_of_building is You_re_inside_building.
North of You_re_at_hill_in_road is You_are_wandering_aimlessly_t_20.
East of You_re_at_hill_in_road is You_re_in_front_of_building.
South of You_re_at_hill_in_road is You_are_wandering_aimlessly_t_13.
West of You_re_at_hill_in_road is You_re_at_end_of_road.
West of You_re_inside_building is You_re_in_front_of_building.
Outside from You_re_inside_building is You_re_in_front_of_building.
North of You_re_in_valley is You_re_in_front_of_building.
East of You_re_in_valley is You_are_wandering_aimlessly_th_6.
South of You_re_in_valley is You_re_at_slit_in_streambed.
West of You_re_in_valley is You_are_wandering_aimlessly_t_12.
Down from You_re_in_valley is You_re_at_slit_in_streambed.
North of You_re_at_end_of_road is You_are_wandering_aimlessly_t_21.
East of You_re_at_end_of_road is You_re_at_hill_in_road.
South of You_re_at_end_of_road is You_are_wandering_aimlessly_t_14.
West of You_re_at_end_of_road is You_are_wandering_aimlessly_t_15.
Up from You_re_at_end_of_road is You_re_at_hill_in_road.
East of You_re_at_cliff is You_are_wandering_aimlessly_t_19.
South of You_re_at_cliff is You_are_wandering_aimlessly_t_17.
North of You_re_at_slit_in_streambed is You_re_in_valley.
East of You_re_at_slit_in_streambed is You_are_wandering_aimlessly_th_6.
South of You_re_at_slit_in_streambed is You_re_outside_grate.
West of You_re_at_slit_in_streambed is You_are_wandering_aimlessly_t_10.
North of You_re_outside_grate is You_re_at_slit_in_streambed.
East of You_re_outside_grate is You_are_wandering_aimlessly_th_7.
South of You_re_outside_grate is You_are_wandering_aimlessly_t_10.
West of You_re_outside_grate is You_are_wandering_aimlessly_th_9.
Down from You_re_outside_grate is You_re_below_the_grate.
Inside from You_re_outside_grate is You_re_below_the_grate.
West of You_re_below_the_grate is You_re_in_cobble_crawl.
Up from You_re_below_the_grate is You_re_outside_grate.
Inside from You_re_below_the_grate is You_re_in_cobble_crawl.
Outside from You_re_below_the_grate is You_re_outside_grate.
East of You_re_in_cobble_crawl is You_re_below_the_grate.
West of You_re_in_cobble_crawl is You_re_in_debris_room.
Inside from You_re_in_cobble_crawl is You_re_in_debris_room.
Outside from You_re_in_cobble_crawl is You_re_below_the_grate.
East of You_re_in_debris_room is You_re_in_cobble_crawl.
West of You_re_in_debris_room is You_are_in_an_awkward_sloping_ea.
Up from You_re_in_debris_room is You_are_in_an_awkward_sloping_ea.
Inside from You_re_in_debris_room is You_are_in_an_awkward_sloping_ea.
East of You_are_in_an_awkward_sloping_ea is You_re_in_debris_room.
West of You_are_in_an_awkward_sloping_ea is You_re_in_bird_chamber.
Up from You_are_in_an_awkward_sloping_ea is You_re_in_bird_chamber.
Down from You_are_in_an_awkward_sloping_ea is You_re_in_debris_room.
Inside from You_are_in_an_awkward_sloping_ea is You_re_in_bird_chamber.
East of You_re_in_bird_chamber is You_are_in_an_awkward_sloping_ea.
West of You_re_in_bird_chamber is You_re_at_top_of_small_pit.
East of You_re_at_top_of_small_pit is You_re_in_bird_chamber.
West of You_re_at_top_of_small_pit is The_crack_is_far_too_small_for_y.
Down from You_re_at_top_of_small_pit is You_are_at_the_bottom_of_the_pit.
North of You_re_in_Hall_of_Mists is You_re_in_Hall_of_Mt_King.
East of You_re_in_Hall_of_Mists is The_dome_is_unclimbable.
South of You_re_in_Hall_of_Mists is You_re_in_nugget_of_gold_room.
West of You_re_in_Hall_of_Mists is You_re_on_east_bank_of_fissure.
Up from You_re_in_Hall_of_Mists is The_dome_is_unclimbable.
Down from You_re_in_Hall_of_Mists is You_re_in_Hall_of_Mt_King.
East of You_re_on_east_bank_of_fissure is You_re_in_Hall_of_Mists.
North of You_re_in_nugget_of_gold_room is You_re_in_Hall_of_Mists.
Outside from You_re_in_nugget_of_gold_room is You_re_in_Hall_of_Mists.
North of You_re_in_Hall_of_Mt_King is You_re_in_n_s_passage_above_e_w.
East of You_re_in_Hall_of_Mt_King is You_re_in_Hall_of_Mists.
South of You_re_in_Hall_of_Mt_King is You_are_in_the_south_side_chambe.
Southwest of You_re_in_Hall_of_Mt_King is You_re_in_secret_e_w_canyon_abov.
West of You_re_in_Hall_of_Mt_King is You_re_in_the_west_side_chamber.
Up from You_re_in_Hall_of_Mt_King is You_re_in_Hall_of_Mists.
East of You_re_at_west_end_of_Twopit_Roo is You_re_at_east_end_of_Twopit_Roo.
West of You_re_at_west_end_of_Twopit_Roo is You_re_in_Slab_Room.
Down from You_re_at_west_end_of_Twopit_Roo is You_re_in_west_pit.
Up from You_re_in_east_pit is You_re_at_east_end_of_Twopit_Roo.
Outside from You_re_in_east_pit is You_re_at_east_end_of_Twopit_Roo.
Up from You_re_in_west_pit is You_re_at_west_end_of_Twopit_Roo.
Outside from You_re_in_west_pit is You_re_at_west_end_of_Twopit_Roo.
North of You_re_on_west_bank_of_fissure is You have crawled through a very low wide.
West of You_re_on_west_bank_of_fissure is You_re_at_west_end_of_Hall_of_Mi.
North of You_re_in_n_s_passage_above_e_w is You_re_at_Y2.
South of You_re_in_n_s_passage_above_e_w is You_re_in_Hall_of_Mt_King.
Down from You_re_in_n_s_passage_above_e_w is You_re_in_dirty_passage.
Outside from You_re_in_n_s_passage_above_e_w is You_re_in_Hall_of_Mt_King.
North of You_are_in_the_south_side_chambe is You_re_in_Hall_of_Mt_King.
Outside from You_are_in_the_south_side_chambe is You_re_in_Hall_of_Mt_King.
East of You_re_in_the_west_side_chamber is You_re_in_Hall_of_Mt_King.
West of You_re_in_the_west_side_chamber is You_are_at_a_crossover_of_a_high.
Up from You_re_in_the_west_side_chamber is You_are_at_a_crossover_of_a_high.
Outside from You_re_in_the_west_side_chamber is You_re_in_Hall_of_Mt_King.
East of You_re_at_Y2 is You_are_in_a_jumble_of_rock.
South of You_re_at_Y2 is You_re_in_n_s_passage_above_e_w.
West of You_re_at_Y2 is You_re_at_window_on_pit.
Up from You_are_in_a_jumble_of_rock is You_re_in_Hall_of_Mists.
Down from You_are_in_a_jumble_of_rock is You_re_at_Y2.
East of You_re_at_window_on_pit is You_re_at_Y2.
East of You_re_in_dirty_passage is You_re_at_brink_of_small_pit.
West of You_re_in_dirty_passage is You_re_in_dusty_rock_room.
Up from You_re_in_dirty_passage is You_re_in_n_s_passage_above_e_w.
West of You_re_at_brink_of_small_pit is You_re_in_dirty_passage.
Down from You_re_at_brink_of_small_pit is You_re_at_bottom_of_pit_with_str.
Up from You_re_at_bottom_of_pit_with_str is You_re_at_brink_of_small_pit.
Outside from You_re_at_bottom_of_pit_with_str is You_re_at_brink_of_small_pit.
East of You_re_in_dusty_rock_room is You_re_in_dirty_passage.
Down from You_re_in_dusty_rock_room is You_re_at_complex_junction.
North of You_re_at_west_end_of_Hall_of_Mi is You have crawled through a very low wide 2.
East of You_re_at_west_end_of_Hall_of_Mi is You_re_on_west_bank_of_fissure.
South of You_re_at_west_end_of_Hall_of_Mi is You_are_in_a_maze_of_twisty_litt.
West of You_re_at_west_end_of_Hall_of_Mi is You_re_at_east_end_of_long_hall.
Up from You_re_at_west_end_of_Hall_of_Mi is You_are_in_a_maze_of_twisty_litt.
North of You_are_in_a_maze_of_twisty_litt is You_are_in_a_maze_of_twisty_litt.
East of You_are_in_a_maze_of_twisty_litt is You_are_in_a_maze_of_twisty_li_2.
South of You_are_in_a_maze_of_twisty_litt is You_are_in_a_maze_of_twisty_li_4.
West of You_are_in_a_maze_of_twisty_litt is You_are_in_a_maze_of_twisty_l_11.
Up from You_are_in_a_maze_of_twisty_litt is You_re_at_west_end_of_Hall_of_Mi.
East of You_are_in_a_maze_of_twisty_li_2 is You_are_in_a_maze_of_twisty_li_4.
South of You_are_in_a_maze_of_twisty_li_2 is You_are_in_a_maze_of_twisty_li_3.
West of You_are_in_a_maze_of_twisty_li_2 is You_are_in_a_maze_of_twisty_litt.
North of You_are_in_a_maze_of_twisty_li_3 is Dead end 9.
East of You_are_in_a_maze_of_twisty_li_3 is You_are_in_a_maze_of_twisty_li_2.
South of You_are_in_a_maze_of_twisty_li_3 is You_are_in_a_maze_of_twisty_li_6.
Down from You_are_in_a_maze_of_twisty_li_3 is Dead end 3.
North of You_are_in_a_maze_of_twisty_li_4 is You_are_in_a_maze_of_twisty_li_2.
East of You_are_in_a_maze_of_twisty_li_4 is Dead end.
South of You_are_in_a_maze_of_twisty_li_4 is Dead end 2.
West of You_are_in_a_maze_of_twisty_li_4 is You_are_in_a_maze_of_twisty_litt.
Up from You_are_in_a_maze_of_twisty_li_4 is You_are_in_a_maze_of_twisty_l_14.
Down from You_are_in_a_maze_of_twisty_li_4 is You_are_in_a_maze_of_twisty_l_14.
West of Dead end is You_are_in_a_maze_of_twisty_li_4.
Outside from Dead end is You_are_in_a_maze_of_twisty_li_4.
East of Dead end 2 is You_are_in_a_maze_of_twisty_li_4.
Outside from Dead end 2 is You_are_in_a_maze_of_twisty_li_4.
Up from Dead end 3 is You_are_in_a_maze_of_twisty_li_3.
Outside from Dead end 3 is You_are_in_a_maze_of_twisty_li_3.
East of You_are_in_a_maze_of_twisty_li_5 is You_are_in_a_maze_of_twisty_li_6.
West of You_are_in_a_maze_of_twisty_li_5 is You_are_in_a_maze_of_twisty_li_7.
East of You_are_in_a_maze_of_twisty_li_6 is You_are_in_a_maze_of_twisty_li_3.
South of You_are_in_a_maze_of_twisty_li_6 is You_are_in_a_maze_of_twisty_li_8.
West of You_are_in_a_maze_of_twisty_li_6 is You_are_in_a_maze_of_twisty_li_5.
Down from You_are_in_a_maze_of_twisty_li_6 is You_are_in_a_maze_of_twisty_li_7.
East of You_are_in_a_maze_of_twisty_li_7 is You_are_in_a_maze_of_twisty_li_8.
South of You_are_in_a_maze_of_twisty_li_7 is You_are_in_a_maze_of_twisty_li_9.
West of You_are_in_a_maze_of_twisty_li_7 is You_are_in_a_maze_of_twisty_li_5.
Up from You_are_in_a_maze_of_twisty_li_7 is You_are_in_a_maze_of_twisty_li_6.
North of You_are_in_a_maze_of_twisty_li_8 is You_are_in_a_maze_of_twisty_l_10.
East of You_are_in_a_maze_of_twisty_li_8 is You_are_in_a_maze_of_twisty_li_7.
South of You_are_in_a_maze_of_twisty_li_8 is You_are_in_a_maze_of_twisty_li_8.
West of You_are_in_a_maze_of_twisty_li_8 is You_are_in_a_maze_of_twisty_li_6.
Up from You_are_in_a_maze_of_twisty_li_8 is You_are_in_a_maze_of_twisty_li_9.
Down from You_are_in_a_maze_of_twisty_li_8 is Dead end 11.
North of You_are_in_a_maze_of_twisty_li_9 is You_are_in_a_maze_of_twisty_li_8.
South of You_are_in_a_maze_of_twisty_li_9 is Dead end 4.
West of You_are_in_a_maze_of_twisty_li_9 is You_are_in_a_maze_of_twisty_li_7.
West of Dead end 4 is You_are_in_a_maze_of_twisty_li_9.
Outside from Dead end 4 is You_are_in_a_maze_of_twisty_li_9.
North of You_are_in_a_maze_of_twisty_l_10 is You_are_in_a_maze_of_twisty_l_10.
East of You_are_in_a_maze_of_twisty_l_10 is You_re_at_brink_of_pit.
West of You_are_in_a_maze_of_twisty_l_10 is You_are_in_a_maze_of_twisty_li_8.
Down from You_are_in_a_maze_of_twisty_l_10 is Dead end 5.
Up from Dead end 5 is You_are_in_a_maze_of_twisty_l_10.
Outside from Dead end 5 is You_are_in_a_maze_of_twisty_l_10.
North of You_re_at_brink_of_pit is You_are_in_a_maze_of_twisty_l_12.
East of You_re_at_brink_of_pit is You_are_in_a_maze_of_twisty_l_13.
South of You_re_at_brink_of_pit is Dead end 6.
West of You_re_at_brink_of_pit is You_are_in_a_maze_of_twisty_l_10.
Down from You_re_at_brink_of_pit is You_re_in_bird_chamber.
East of Dead end 6 is You_re_at_brink_of_pit.
Outside from Dead end 6 is You_re_at_brink_of_pit.
North of You_re_at_east_end_of_long_hall is You_are_at_a_crossover_of_a_high.
East of You_re_at_east_end_of_long_hall is You_re_at_west_end_of_Hall_of_Mi.
West of You_re_at_east_end_of_long_hall is You_re_at_west_end_of_long_hall.
Up from You_re_at_east_end_of_long_hall is You_re_at_west_end_of_Hall_of_Mi.
Down from You_re_at_east_end_of_long_hall is You_are_at_a_crossover_of_a_high.
North of You_re_at_west_end_of_long_hall is You_are_at_a_crossover_of_a_high.
East of You_re_at_west_end_of_long_hall is You_re_at_east_end_of_long_hall.
South of You_re_at_west_end_of_long_hall is You_are_in_a_maze_of_twisty_l_15.
North of You_are_at_a_crossover_of_a_high is Dead end 7.
East of You_are_at_a_crossover_of_a_high is You_re_in_the_west_side_chamber.
South of You_are_at_a_crossover_of_a_high is You_re_at_west_end_of_long_hall.
West of You_are_at_a_crossover_of_a_high is You_re_at_east_end_of_long_hall.
South of Dead end 7 is You_are_at_a_crossover_of_a_high.
Outside from Dead end 7 is You_are_at_a_crossover_of_a_high.
North of You_re_at_complex_junction is You_re_in_Shell_Room.
East of You_re_at_complex_junction is You_re_in_anteroom.
West of You_re_at_complex_junction is You_re_in_Bedquilt.
Up from You_re_at_complex_junction is You_re_in_dusty_rock_room.
North of You_re_in_Bedquilt is You_re_in_large_low_room.
East of You_re_in_Bedquilt is You_re_at_complex_junction.
West of You_re_in_Bedquilt is You_re_in_Swiss_Cheese_Room.
Up from You_re_in_Bedquilt is You_are_in_a_secret_n_s_canyon_2.
Down from You_re_in_Bedquilt is You_re_in_anteroom.
Northeast of You_re_in_Swiss_Cheese_Room is You_re_in_Bedquilt.
East of You_re_in_Swiss_Cheese_Room is You_re_in_Soft_Room.
West of You_re_in_Swiss_Cheese_Room is You_re_at_east_end_of_Twopit_Roo.
East of You_re_at_east_end_of_Twopit_Roo is You_re_in_Swiss_Cheese_Room.
West of You_re_at_east_end_of_Twopit_Roo is You_re_at_west_end_of_Twopit_Roo.
Down from You_re_at_east_end_of_Twopit_Roo is You_re_in_east_pit.
North of You_re_in_Slab_Room is You_re_in_Bedquilt.
South of You_re_in_Slab_Room is You_re_at_west_end_of_Twopit_Roo.
Up from You_re_in_Slab_Room is You_are_in_a_secret_n_s_canyon_a.
North of You_are_in_a_secret_n_s_canyon_a is You_re_in_Mirror_Canyon.
South of You_are_in_a_secret_n_s_canyon_a is You_are_in_a_secret_canyon_whi_2.
Down from You_are_in_a_secret_n_s_canyon_a is You_re_in_Slab_Room.
North of You_are_in_a_secret_n_s_canyon_2 is You_re_at_junction_of_three_secr.
South of You_are_in_a_secret_n_s_canyon_2 is You_re_at_top_of_stalactite.
Down from You_are_in_a_secret_n_s_canyon_2 is You_re_in_Bedquilt.
North of You_re_at_junction_of_three_secr is You_re_at_window_on_pit_2.
Southeast of You_re_at_junction_of_three_secr is You_re_in_Bedquilt.
South of You_re_at_junction_of_three_secr is You_are_in_a_secret_n_s_canyon_2.
North of You_re_in_large_low_room is Dead end crawl.
Southeast of You_re_in_large_low_room is You_re_in_Oriental_Room.
Southwest of You_re_in_large_low_room is You_re_in_sloping_corridor.
South of Dead end crawl is You_re_in_large_low_room.
Outside from Dead end crawl is You_re_in_large_low_room.
East of You_re_in_secret_e_w_canyon_abov is You_re_in_Hall_of_Mt_King.
West of You_re_in_secret_e_w_canyon_abov is You_are_in_a_secret_canyon_whi_2.
Down from You_re_in_secret_e_w_canyon_abov is You_are_at_a_wide_place_in_a_ver.
North of You_are_at_a_wide_place_in_a_ver is You_are_in_a_tall_e_w_canyon.
South of You_are_at_a_wide_place_in_a_ver is The canyon here becomes too tight to go.
North of The canyon here becomes too tight to go is You_are_at_a_wide_place_in_a_ver.
North of You_are_in_a_tall_e_w_canyon is You_re_in_Swiss_Cheese_Room.
East of You_are_in_a_tall_e_w_canyon is You_are_at_a_wide_place_in_a_ver.
West of You_are_in_a_tall_e_w_canyon is The_canyon_runs_into_a_mass_of_b.
South of The_canyon_runs_into_a_mass_of_b is You_are_in_a_tall_e_w_canyon.
North of You_are_in_a_maze_of_twisty_l_11 is You_are_in_a_maze_of_twisty_litt.
East of You_are_in_a_maze_of_twisty_l_11 is Dead end 8.
South of You_are_in_a_maze_of_twisty_l_11 is You_are_in_a_maze_of_twisty_l_11.
West of You_are_in_a_maze_of_twisty_l_11 is You_are_in_a_maze_of_twisty_l_11.
West of Dead end 8 is You_are_in_a_maze_of_twisty_l_11.
Outside from Dead end 8 is You_are_in_a_maze_of_twisty_l_11.
South of Dead end 9 is You_are_in_a_maze_of_twisty_li_3.
Outside from Dead end 9 is You_are_in_a_maze_of_twisty_li_3.
East of You_are_in_a_maze_of_twisty_l_12 is You_are_in_a_maze_of_twisty_l_13.
South of You_are_in_a_maze_of_twisty_l_12 is You_re_at_brink_of_pit.
West of You_are_in_a_maze_of_twisty_l_12 is Dead end 10.
North of You_are_in_a_maze_of_twisty_l_13 is You_re_at_brink_of_pit.
West of You_are_in_a_maze_of_twisty_l_13 is You_are_in_a_maze_of_twisty_l_12.
Northwest of You_are_in_a_maze_of_twisty_l_13 is Dead end 12.
East of Dead end 10 is You_are_in_a_maze_of_twisty_l_12.
Outside from Dead end 10 is You_are_in_a_maze_of_twisty_l_12.
Up from Dead end 11 is You_are_in_a_maze_of_twisty_li_8.
Outside from Dead end 11 is You_are_in_a_maze_of_twisty_li_8.
Up from You_are_in_a_maze_of_twisty_l_14 is You_are_in_a_maze_of_twisty_li_4.
Down from You_are_in_a_maze_of_twisty_l_14 is You_are_in_a_maze_of_twisty_li_4.
East of You_re_in_narrow_corridor is You_re_in_west_pit.
West of You_re_in_narrow_corridor is You_re_in_Giant_Room.
Down from You_re_in_narrow_corridor is You_re_in_west_pit.
North of You_re_at_steep_incline_above_la is You_re_in_cavern_with_waterfall.
Down from You_re_at_steep_incline_above_la is You_re_in_large_low_room.
North of You_re_in_Giant_Room is You_are_at_one_end_of_an_immense.
East of You_re_in_Giant_Room is The_passage_here_is_blocked_by_a.
South of You_re_in_Giant_Room is You_re_in_narrow_corridor.
South of The_passage_here_is_blocked_by_a is You_re_in_Giant_Room.
Outside from The_passage_here_is_blocked_by_a is You_re_in_Giant_Room.
North of You_are_at_one_end_of_an_immense is You_re_in_cavern_with_waterfall.
South of You_are_at_one_end_of_an_immense is You_re_in_Giant_Room.
Inside from You_are_at_one_end_of_an_immense is You_re_in_cavern_with_waterfall.
South of You_re_in_cavern_with_waterfall is You_are_at_one_end_of_an_immense.
West of You_re_in_cavern_with_waterfall is You_re_at_steep_incline_above_la.
Outside from You_re_in_cavern_with_waterfall is You_are_at_one_end_of_an_immense.
West of You_re_in_Soft_Room is You_re_in_Swiss_Cheese_Room.
Outside from You_re_in_Soft_Room is You_re_in_Swiss_Cheese_Room.
North of You_re_in_Oriental_Room is You_re_in_misty_cavern.
Southeast of You_re_in_Oriental_Room is You_re_in_Swiss_Cheese_Room.
West of You_re_in_Oriental_Room is You_re_in_large_low_room.
Up from You_re_in_Oriental_Room is You_re_in_misty_cavern.
South of You_re_in_misty_cavern is You_re_in_Oriental_Room.
West of You_re_in_misty_cavern is You_re_in_alcove.
East of You_re_in_alcove is You_re_in_Plover_Room.
Northwest of You_re_in_alcove is You_re_in_misty_cavern.
Northeast of You_re_in_Plover_Room is You_re_in_dark_room.
West of You_re_in_Plover_Room is You_re_in_alcove.
South of You_re_in_dark_room is You_re_in_Plover_Room.
Outside from You_re_in_dark_room is You_re_in_Plover_Room.
Down from You_re_in_arched_hall is You_re_in_Shell_Room.
Outside from You_re_in_arched_hall is You_re_in_Shell_Room.
South of You_re_in_Shell_Room is You_re_at_complex_junction.
Up from You_re_in_Shell_Room is You_re_in_arched_hall.
Down from You_re_in_Shell_Room is You_are_in_a_long_sloping_corrid.
Up from You_are_in_a_long_sloping_corrid is You_re_in_Shell_Room.
Down from You_are_in_a_long_sloping_corrid is You_are_in_a_cul_de_sac_about_ei.
Up from You_are_in_a_cul_de_sac_about_ei is You_are_in_a_long_sloping_corrid.
Outside from You_are_in_a_cul_de_sac_about_ei is You_are_in_a_long_sloping_corrid.
East of You_re_in_anteroom is You_re_at_Witt_s_End.
West of You_re_in_anteroom is You_re_in_Bedquilt.
Up from You_re_in_anteroom is You_re_at_complex_junction.
North of You_are_in_a_maze_of_twisty_l_15 is You_are_in_a_maze_of_little_tw_2.
Northeast of You_are_in_a_maze_of_twisty_l_15 is You_are_in_a_twisting_maze_of_li.
East of You_are_in_a_maze_of_twisty_l_15 is You_are_in_a_little_twisty_maze.
Southeast of You_are_in_a_maze_of_twisty_l_15 is You_are_in_a_twisting_little_maz.
South of You_are_in_a_maze_of_twisty_l_15 is You_are_in_a_maze_of_twisting_li.
Southwest of You_are_in_a_maze_of_twisty_l_15 is You_are_in_a_little_maze_of_tw_2.
West of You_are_in_a_maze_of_twisty_l_15 is You_are_in_a_maze_of_little_twis.
Northwest of You_are_in_a_maze_of_twisty_l_15 is You_are_in_a_twisty_maze_of_litt.
Up from You_are_in_a_maze_of_twisty_l_15 is You_are_in_a_twisty_little_maze.
Down from You_are_in_a_maze_of_twisty_l_15 is You_re_at_west_end_of_long_hall.
East of You_re_at_Witt_s_End is You_re_in_anteroom.
North of You_re_in_Mirror_Canyon is You_re_at_reservoir.
South of You_re_in_Mirror_Canyon is You_are_in_a_secret_n_s_canyon_a.
West of You_re_at_window_on_pit_2 is You_re_at_junction_of_three_secr.
North of You_re_at_top_of_stalactite is You_are_in_a_secret_n_s_canyon_2.
Down from You_re_at_top_of_stalactite is You_are_in_a_maze_of_twisty_li_6.
North of You_are_in_a_little_maze_of_twis is You_are_in_a_little_maze_of_tw_2.
Northeast of You_are_in_a_little_maze_of_twis is You_are_in_a_twisty_maze_of_litt.
East of You_are_in_a_little_maze_of_twis is You_are_in_a_twisting_maze_of_li.
Southeast of You_are_in_a_little_maze_of_twis is You_are_in_a_twisty_little_maze.
South of You_are_in_a_little_maze_of_twis is Dead end 13.
Southwest of You_are_in_a_little_maze_of_twis is You_are_in_a_maze_of_twisting_li.
West of You_are_in_a_little_maze_of_twis is You_are_in_a_little_twisty_maze.
Northwest of You_are_in_a_little_maze_of_twis is You_are_in_a_twisting_little_maz.
Up from You_are_in_a_little_maze_of_twis is You_are_in_a_maze_of_little_tw_2.
Down from You_are_in_a_little_maze_of_twis is You_are_in_a_maze_of_little_twis.
North of You_re_at_reservoir is You_re_at_bottom_of_reservoir.
South of You_re_at_reservoir is You_re_in_Mirror_Canyon.
Outside from You_re_at_reservoir is You_re_in_Mirror_Canyon.
Southeast of Dead end 12 is You_are_in_a_maze_of_twisty_l_13.
Southwest of You_re_at_ne_end is You_re_at_sw_end.
Northeast of You_re_at_sw_end is You_re_at_ne_end.
Southwest of You_re_on_sw_side_of_chasm is You_re_in_sloping_corridor.
Up from You_re_in_sloping_corridor is You_re_on_sw_side_of_chasm.
Down from You_re_in_sloping_corridor is You_re_in_large_low_room.
North of You_are_in_a_secret_canyon_which is You_are_in_a_secret_n_s_canyon_a.
Outside from You_are_in_a_secret_canyon_which is You_are_in_a_secret_n_s_canyon_a.
North of You_are_in_a_secret_canyon_whi_2 is You_are_in_a_secret_n_s_canyon_a.
East of You_are_in_a_secret_canyon_whi_2 is You_re_in_secret_e_w_canyon_abov.
East of You_are_in_a_secret_canyon_whi_3 is You_re_in_secret_e_w_canyon_abov.
Outside from You_are_in_a_secret_canyon_whi_3 is You_re_in_secret_e_w_canyon_abov.
Northeast of You_re_on_ne_side_of_chasm is You_re_in_corridor.
East of You_re_in_corridor is You_re_at_fork_in_path.
West of You_re_in_corridor is You_re_on_ne_side_of_chasm.
Northeast of You_re_at_fork_in_path is You_re_at_junction_with_warm_wal.
Southeast of You_re_at_fork_in_path is You_re_in_limestone_passage.
West of You_re_at_fork_in_path is You_re_in_corridor.
Down from You_re_at_fork_in_path is You_re_in_limestone_passage.
North of You_re_at_junction_with_warm_wal is You_re_at_breath_taking_view.
East of You_re_at_junction_with_warm_wal is You_re_in_Chamber_of_Boulders.
South of You_re_at_junction_with_warm_wal is You_re_at_fork_in_path.
South of You_re_at_breath_taking_view is You_re_at_junction_with_warm_wal.
Outside from You_re_at_breath_taking_view is You_re_at_junction_with_warm_wal.
West of You_re_in_Chamber_of_Boulders is You_re_at_junction_with_warm_wal.
Outside from You_re_in_Chamber_of_Boulders is You_re_at_junction_with_warm_wal.
North of You_re_in_limestone_passage is You_re_at_fork_in_path.
South of You_re_in_limestone_passage is You_re_in_front_of_Barren_Room.
Up from You_re_in_limestone_passage is You_re_at_fork_in_path.
Down from You_re_in_limestone_passage is You_re_in_front_of_Barren_Room.
East of You_re_in_front_of_Barren_Room is You_re_in_Barren_Room.
West of You_re_in_front_of_Barren_Room is You_re_in_limestone_passage.
Up from You_re_in_front_of_Barren_Room is You_re_in_limestone_passage.
Inside from You_re_in_front_of_Barren_Room is You_re_in_Barren_Room.
West of You_re_in_Barren_Room is You_re_in_front_of_Barren_Room.
Outside from You_re_in_Barren_Room is You_re_in_front_of_Barren_Room.
North of You_are_in_a_maze_of_twisting_li is You_are_in_a_maze_of_little_twis.
Northeast of You_are_in_a_maze_of_twisting_li is You_are_in_a_twisty_little_maze.
East of You_are_in_a_maze_of_twisting_li is You_are_in_a_little_maze_of_twis.
Southeast of You_are_in_a_maze_of_twisting_li is You_are_in_a_little_maze_of_tw_2.
South of You_are_in_a_maze_of_twisting_li is You_are_in_a_maze_of_little_tw_2.
Southwest of You_are_in_a_maze_of_twisting_li is You_are_in_a_twisting_little_maz.
West of You_are_in_a_maze_of_twisting_li is You_are_in_a_maze_of_twisty_l_15.
Northwest of You_are_in_a_maze_of_twisting_li is You_are_in_a_twisting_maze_of_li.
Up from You_are_in_a_maze_of_twisting_li is You_are_in_a_twisty_maze_of_litt.
Down from You_are_in_a_maze_of_twisting_li is You_are_in_a_little_twisty_maze.
North of You_are_in_a_little_maze_of_tw_2 is You_are_in_a_twisting_maze_of_li.
Northeast of You_are_in_a_little_maze_of_tw_2 is You_are_in_a_little_twisty_maze.
East of You_are_in_a_little_maze_of_tw_2 is You_are_in_a_maze_of_little_twis.
Southeast of You_are_in_a_little_maze_of_tw_2 is You_are_in_a_little_maze_of_twis.
South of You_are_in_a_little_maze_of_tw_2 is You_are_in_a_twisting_little_maz.
Southwest of You_are_in_a_little_maze_of_tw_2 is You_are_in_a_twisty_maze_of_litt.
West of You_are_in_a_little_maze_of_tw_2 is You_are_in_a_twisty_little_maze.
Northwest of You_are_in_a_little_maze_of_tw_2 is You_are_in_a_maze_of_twisty_l_15.
Up from You_are_in_a_little_maze_of_tw_2 is You_are_in_a_maze_of_twisting_li.
Down from You_are_in_a_little_maze_of_tw_2 is You_are_in_a_maze_of_little_tw_2.
North of You_are_in_a_twisting_maze_of_li is You_are_in_a_little_twisty_maze.
Northeast of You_are_in_a_twisting_maze_of_li is You_are_in_a_twisting_little_maz.
East of You_are_in_a_twisting_maze_of_li is You_are_in_a_twisty_maze_of_litt.
Southeast of You_are_in_a_twisting_maze_of_li is You_are_in_a_maze_of_little_tw_2.
South of You_are_in_a_twisting_maze_of_li is You_are_in_a_little_maze_of_twis.
Southwest of You_are_in_a_twisting_maze_of_li is You_are_in_a_twisty_little_maze.
West of You_are_in_a_twisting_maze_of_li is You_are_in_a_little_maze_of_tw_2.
Northwest of You_are_in_a_twisting_maze_of_li is You_are_in_a_maze_of_little_twis.
Up from You_are_in_a_twisting_maze_of_li is You_are_in_a_maze_of_twisty_l_15.
Down from You_are_in_a_twisting_maze_of_li is You_are_in_a_maze_of_twisting_li.
North of You_are_in_a_twisting_little_maz is You_are_in_a_maze_of_twisting_li.
Northeast of You_are_in_a_twisting_little_maz is You_are_in_a_maze_of_twisty_l_15.
East of You_are_in_a_twisting_little_maz is You_are_in_a_twisty_little_maze.
Southeast of You_are_in_a_twisting_little_maz is You_are_in_a_twisting_maze_of_li.
South of You_are_in_a_twisting_little_maz is You_are_in_a_little_twisty_maze.
Southwest of You_are_in_a_twisting_little_maz is You_are_in_a_little_maze_of_twis.
West of You_are_in_a_twisting_little_maz is You_are_in_a_maze_of_little_tw_2.
Northwest of You_are_in_a_twisting_little_maz is You_are_in_a_little_maze_of_tw_2.
Up from You_are_in_a_twisting_little_maz is You_are_in_a_maze_of_little_twis.
Down from You_are_in_a_twisting_little_maz is You_are_in_a_twisty_maze_of_litt.
North of You_are_in_a_twisty_little_maze is You_are_in_a_maze_of_twisty_l_15.
Northeast of You_are_in_a_twisty_little_maze is You_are_in_a_maze_of_little_twis.
East of You_are_in_a_twisty_little_maze is You_are_in_a_twisting_little_maz.
Southeast of You_are_in_a_twisty_little_maze is You_are_in_a_maze_of_twisting_li.
South of You_are_in_a_twisty_little_maze is You_are_in_a_twisting_maze_of_li.
Southwest of You_are_in_a_twisty_little_maze is You_are_in_a_little_twisty_maze.
West of You_are_in_a_twisty_little_maze is You_are_in_a_twisty_maze_of_litt.
Northwest of You_are_in_a_twisty_little_maze is You_are_in_a_maze_of_little_tw_2.
Up from You_are_in_a_twisty_little_maze is You_are_in_a_little_maze_of_twis.
Down from You_are_in_a_twisty_little_maze is You_are_in_a_little_maze_of_tw_2.
North of You_are_in_a_twisty_maze_of_litt is You_are_in_a_little_maze_of_twis.
Northeast of You_are_in_a_twisty_maze_of_litt is You_are_in_a_maze_of_little_tw_2.
East of You_are_in_a_twisty_maze_of_litt is You_are_in_a_maze_of_twisty_l_15.
Southeast of You_are_in_a_twisty_maze_of_litt is You_are_in_a_maze_of_little_twis.
South of You_are_in_a_twisty_maze_of_litt is You_are_in_a_twisty_little_maze.
Southwest of You_are_in_a_twisty_maze_of_litt is You_are_in_a_twisting_maze_of_li.
West of You_are_in_a_twisty_maze_of_litt is You_are_in_a_maze_of_twisting_li.
Northwest of You_are_in_a_twisty_maze_of_litt is You_are_in_a_little_twisty_maze.
Up from You_are_in_a_twisty_maze_of_litt is You_are_in_a_little_maze_of_tw_2.
Down from You_are_in_a_twisty_maze_of_litt is You_are_in_a_twisting_little_maz.
North of You_are_in_a_little_twisty_maze is You_are_in_a_twisty_maze_of_litt.
Northeast of You_are_in_a_little_twisty_maze is You_are_in_a_maze_of_twisting_li.
East of You_are_in_a_little_twisty_maze is You_are_in_a_maze_of_little_tw_2.
Southeast of You_are_in_a_little_twisty_maze is You_are_in_a_maze_of_twisty_l_15.
South of You_are_in_a_little_twisty_maze is You_are_in_a_little_maze_of_tw_2.
Southwest of You_are_in_a_little_twisty_maze is You_are_in_a_maze_of_little_twis.
West of You_are_in_a_little_twisty_maze is You_are_in_a_little_maze_of_twis.
Northwest of You_are_in_a_little_twisty_maze is You_are_in_a_twisty_little_maze.
Up from You_are_in_a_little_twisty_maze is You_are_in_a_twisting_little_maz.
Down from You_are_in_a_little_twisty_maze is You_are_in_a_twisting_maze_of_li.
North of You_are_in_a_maze_of_little_twis is You_are_in_a_twisty_little_maze.
Northeast of You_are_in_a_maze_of_little_twis is You_are_in_a_little_maze_of_tw_2.
East of You_are_in_a_maze_of_little_twis is You_are_in_a_maze_of_twisting_li.
Southeast of You_are_in_a_maze_of_little_twis is You_are_in_a_little_twisty_maze.
South of You_are_in_a_maze_of_little_twis is You_are_in_a_twisty_maze_of_litt.
Southwest of You_are_in_a_maze_of_little_twis is You_are_in_a_maze_of_little_tw_2.
West of You_are_in_a_maze_of_little_twis is You_are_in_a_twisting_little_maz.
Northwest of You_are_in_a_maze_of_little_twis is You_are_in_a_little_maze_of_twis.
Up from You_are_in_a_maze_of_little_twis is You_are_in_a_twisting_maze_of_li.
Down from You_are_in_a_maze_of_little_twis is You_are_in_a_maze_of_twisty_l_15.
North of You_are_in_a_maze_of_little_tw_2 is You_are_in_a_twisting_little_maz.
Northeast of You_are_in_a_maze_of_little_tw_2 is You_are_in_a_little_maze_of_twis.
East of You_are_in_a_maze_of_little_tw_2 is You_are_in_a_little_maze_of_tw_2.
Southeast of You_are_in_a_maze_of_little_tw_2 is You_are_in_a_twisty_maze_of_litt.
South of You_are_in_a_maze_of_little_tw_2 is You_are_in_a_maze_of_little_twis.
Southwest of You_are_in_a_maze_of_little_tw_2 is You_are_in_a_maze_of_twisty_l_15.
West of You_are_in_a_maze_of_little_tw_2 is You_are_in_a_twisting_maze_of_li.
Northwest of You_are_in_a_maze_of_little_tw_2 is You_are_in_a_maze_of_twisting_li.
Up from You_are_in_a_maze_of_little_tw_2 is You_are_in_a_little_twisty_maze.
Down from You_are_in_a_maze_of_little_tw_2 is You_are_in_a_twisty_little_maze.
North of Dead end 13 is You_are_in_a_little_maze_of_twis.
South of Dead end 13 is You_are_in_a_long.
Outside from Dead end 13 is You_are_in_a_little_maze_of_twis.
North of You_are_in_a_long is Dead end 13.
South of You_are_in_a_long is You_are_in_a_large_chamber_with.
North of You_are_in_a_large_chamber_with is You_are_in_the_ogre_s_storeroom.
West of You_are_in_a_large_chamber_with is You_are_in_a_long.
South of You_are_in_the_ogre_s_storeroom is You_are_in_a_large_chamber_with.
Outside from You_are_in_the_ogre_s_storeroom is You_are_in_a_large_chamber_with.
North of You_are_wandering_aimlessly_thro is You_are_wandering_aimlessly_th_2.
East of You_are_wandering_aimlessly_thro is You_re_in_front_of_building.
South of You_are_wandering_aimlessly_thro is You_are_wandering_aimlessly_th_3.
West of You_are_wandering_aimlessly_thro is You_are_wandering_aimlessly_t_13.
North of You_are_wandering_aimlessly_th_2 is You_are_wandering_aimlessly_th_3.
East of You_are_wandering_aimlessly_th_2 is You_are_wandering_aimlessly_thro.
South of You_are_wandering_aimlessly_th_2 is You_are_wandering_aimlessly_t_18.
West of You_are_wandering_aimlessly_th_2 is You_are_wandering_aimlessly_t_19.
North of You_are_wandering_aimlessly_th_3 is You_are_wandering_aimlessly_th_2.
East of You_are_wandering_aimlessly_th_3 is You_are_wandering_aimlessly_th_4.
South of You_are_wandering_aimlessly_th_3 is You_are_wandering_aimlessly_thro.
West of You_are_wandering_aimlessly_th_3 is You_are_wandering_aimlessly_th_4.
North of You_are_wandering_aimlessly_th_4 is You_are_wandering_aimlessly_th_3.
East of You_are_wandering_aimlessly_th_4 is You_are_wandering_aimlessly_th_3.
South of You_are_wandering_aimlessly_th_4 is You_are_wandering_aimlessly_th_5.
West of You_are_wandering_aimlessly_th_4 is You_are_wandering_aimlessly_th_5.
North of You_are_wandering_aimlessly_th_5 is You_are_wandering_aimlessly_th_4.
East of You_are_wandering_aimlessly_th_5 is You_are_wandering_aimlessly_th_4.
South of You_are_wandering_aimlessly_th_5 is You_are_wandering_aimlessly_th_6.
West of You_are_wandering_aimlessly_th_5 is You_are_wandering_aimlessly_th_7.
North of You_are_wandering_aimlessly_th_6 is You_re_in_valley.
East of You_are_wandering_aimlessly_th_6 is You_are_wandering_aimlessly_th_5.
South of You_are_wandering_aimlessly_th_6 is You_re_at_slit_in_streambed.
West of You_are_wandering_aimlessly_th_6 is You_are_wandering_aimlessly_th_7.
North of You_are_wandering_aimlessly_th_7 is You_re_outside_grate.
East of You_are_wandering_aimlessly_th_7 is You_are_wandering_aimlessly_th_5.
South of You_are_wandering_aimlessly_th_7 is You_are_wandering_aimlessly_th_8.
West of You_are_wandering_aimlessly_th_7 is You_are_wandering_aimlessly_th_6.
North of You_are_wandering_aimlessly_th_8 is You_are_wandering_aimlessly_t_22.
East of You_are_wandering_aimlessly_th_8 is You_are_wandering_aimlessly_th_9.
South of You_are_wandering_aimlessly_th_8 is You_are_wandering_aimlessly_th_7.
West of You_are_wandering_aimlessly_th_8 is You_are_wandering_aimlessly_t_11.
North of You_are_wandering_aimlessly_th_9 is You_are_wandering_aimlessly_t_10.
East of You_are_wandering_aimlessly_th_9 is You_are_wandering_aimlessly_t_11.
South of You_are_wandering_aimlessly_th_9 is You_re_outside_grate.
West of You_are_wandering_aimlessly_th_9 is You_are_wandering_aimlessly_th_8.
North of You_are_wandering_aimlessly_t_10 is You_are_wandering_aimlessly_th_9.
East of You_are_wandering_aimlessly_t_10 is You_re_at_slit_in_streambed.
South of You_are_wandering_aimlessly_t_10 is You_re_outside_grate.
West of You_are_wandering_aimlessly_t_10 is You_are_wandering_aimlessly_t_11.
North of You_are_wandering_aimlessly_t_11 is You_are_wandering_aimlessly_t_22.
East of You_are_wandering_aimlessly_t_11 is You_are_wandering_aimlessly_t_10.
South of You_are_wandering_aimlessly_t_11 is You_are_wandering_aimlessly_th_9.
West of You_are_wandering_aimlessly_t_11 is You_are_wandering_aimlessly_th_8.
North of You_are_wandering_aimlessly_t_12 is You_are_wandering_aimlessly_t_22.
East of You_are_wandering_aimlessly_t_12 is You_are_wandering_aimlessly_t_13.
South of You_are_wandering_aimlessly_t_12 is You_re_in_valley.
West of You_are_wandering_aimlessly_t_12 is You_are_wandering_aimlessly_t_14.
North of You_are_wandering_aimlessly_t_13 is You_are_wandering_aimlessly_t_20.
East of You_are_wandering_aimlessly_t_13 is You_are_wandering_aimlessly_thro.
South of You_are_wandering_aimlessly_t_13 is You_re_at_hill_in_road.
West of You_are_wandering_aimlessly_t_13 is You_are_wandering_aimlessly_t_12.
North of You_are_wandering_aimlessly_t_14 is You_are_wandering_aimlessly_t_15.
East of You_are_wandering_aimlessly_t_14 is You_re_at_end_of_road.
South of You_are_wandering_aimlessly_t_14 is You_are_wandering_aimlessly_t_12.
West of You_are_wandering_aimlessly_t_14 is You_are_wandering_aimlessly_t_16.
North of You_are_wandering_aimlessly_t_15 is You_re_at_end_of_road.
East of You_are_wandering_aimlessly_t_15 is You_are_wandering_aimlessly_t_16.
South of You_are_wandering_aimlessly_t_15 is You_are_wandering_aimlessly_t_14.
West of You_are_wandering_aimlessly_t_15 is You_are_wandering_aimlessly_t_22.
North of You_are_wandering_aimlessly_t_16 is You_are_wandering_aimlessly_t_17.
East of You_are_wandering_aimlessly_t_16 is You_are_wandering_aimlessly_t_17.
South of You_are_wandering_aimlessly_t_16 is You_are_wandering_aimlessly_t_15.
West of You_are_wandering_aimlessly_t_16 is You_are_wandering_aimlessly_t_14.
North of You_are_wandering_aimlessly_t_17 is You_re_at_cliff.
East of You_are_wandering_aimlessly_t_17 is You_are_wandering_aimlessly_t_18.
South of You_are_wandering_aimlessly_t_17 is You_are_wandering_aimlessly_t_16.
West of You_are_wandering_aimlessly_t_17 is You_are_wandering_aimlessly_t_16.
North of You_are_wandering_aimlessly_t_18 is You_are_wandering_aimlessly_th_2.
East of You_are_wandering_aimlessly_t_18 is You_are_wandering_aimlessly_t_19.
South of You_are_wandering_aimlessly_t_18 is You_are_wandering_aimlessly_t_21.
West of You_are_wandering_aimlessly_t_18 is You_are_wandering_aimlessly_t_17.
North of You_are_wandering_aimlessly_t_19 is You_re_at_cliff.
East of You_are_wandering_aimlessly_t_19 is You_are_wandering_aimlessly_th_2.
South of You_are_wandering_aimlessly_t_19 is You_are_wandering_aimlessly_t_20.
West of You_are_wandering_aimlessly_t_19 is You_are_wandering_aimlessly_t_18.
North of You_are_wandering_aimlessly_t_20 is You_are_wandering_aimlessly_t_19.
East of You_are_wandering_aimlessly_t_20 is You_re_at_hill_in_road.
South of You_are_wandering_aimlessly_t_20 is You_are_wandering_aimlessly_t_13.
West of You_are_wandering_aimlessly_t_20 is You_are_wandering_aimlessly_t_21.
North of You_are_wandering_aimlessly_t_21 is You_are_wandering_aimlessly_t_18.
East of You_are_wandering_aimlessly_t_21 is You_are_wandering_aimlessly_t_20.
South of You_are_wandering_aimlessly_t_21 is You_are_wandering_aimlessly_t_21.
West of You_are_wandering_aimlessly_t_21 is You_re_at_end_of_road.
North of You_are_wandering_aimlessly_t_22 is You_are_wandering_aimlessly_t_15.
East of You_are_wandering_aimlessly_t_22 is You_are_wandering_aimlessly_th_8.
South of You_are_wandering_aimlessly_t_22 is You_are_wandering_aimlessly_t_12.
West of You_are_wandering_aimlessly_t_22 is You_are_wandering_aimlessly_t_11.
North of You_re_at_bottom_of_reservoir is You_re_north_of_reservoir.
South of You_re_at_bottom_of_reservoir is You_re_at_reservoir.
South of You_re_north_of_reservoir is You_re_at_bottom_of_reservoir.
Northwest of You_re_north_of_reservoir is You_are_scrambling_along_a_treac.
Up from You_re_north_of_reservoir is You_are_scrambling_along_a_treac.
Outside from You_re_north_of_reservoir is You_are_scrambling_along_a_treac.
Southeast of You_are_scrambling_along_a_treac is You_re_north_of_reservoir.
Northwest of You_are_scrambling_along_a_treac is You_are_on_a_very_steep_incline.
Up from You_are_scrambling_along_a_treac is You_are_on_a_very_steep_incline.
Down from You_are_scrambling_along_a_treac is You_re_north_of_reservoir.
Southeast of You_are_on_a_very_steep_incline is You_are_scrambling_along_a_treac.
Northwest of You_are_on_a_very_steep_incline is You_re_at_base_of_cliff.
Up from You_are_on_a_very_steep_incline is You_re_at_base_of_cliff.
Down from You_are_on_a_very_steep_incline is You_are_scrambling_along_a_treac.
Southeast of You_re_at_base_of_cliff is You_are_on_a_very_steep_incline.
Up from You_re_at_base_of_cliff is You_are_climbing_along_a_nearly.
Down from You_re_at_base_of_cliff is You_are_on_a_very_steep_incline.
Up from You_are_climbing_along_a_nearly is Just as you reach the top 2.
Down from You_are_climbing_along_a_nearly is You_re_at_base_of_cliff.
Northeast of You_re_at_top_of_cliff is You have reached a dead end.
Down from You_re_at_top_of_cliff is You_are_climbing_along_a_nearly.
Southwest of You have reached a dead end is You_re_at_top_of_cliff.
Outside from You have reached a dead end is You_re_at_top_of_cliff.

Down from You_re_at_hill_in_road is nowhere.
Up from You_re_in_valley is nowhere.
Up from You_re_at_slit_in_streambed is nowhere.
Outside from You_re_in_debris_room is nowhere.
Outside from You_are_in_an_awkward_sloping_ea is nowhere.
Down from You_re_in_bird_chamber is nowhere.
Outside from You_re_in_bird_chamber is nowhere.
East of The_crack_is_far_too_small_for_y is nowhere.
Up from You_are_at_the_bottom_of_the_pit is nowhere.
West of The_dome_is_unclimbable is nowhere.
Down from The_dome_is_unclimbable is nowhere.
Inside from You_re_in_Hall_of_Mists is nowhere.
Northeast of You_re_in_secret_e_w_canyon_abov is nowhere.
East of You_re_in_Slab_Room is nowhere.
Inside from You_re_at_east_end_of_Twopit_Roo is nowhere.
Inside from You_re_at_west_end_of_Twopit_Roo is nowhere.
South of You have crawled through a very low wide is nowhere.
Inside from You_re_in_Hall_of_Mt_King is nowhere.
Down from You_are_at_a_crossover_of_a_high is nowhere.
West of You_are_in_a_jumble_of_rock is nowhere.
Up from You_re_at_Y2 is nowhere.
Inside from You_re_at_brink_of_small_pit is nowhere.
South of You have crawled through a very low wide 2 is nowhere.
Down from You_are_in_a_maze_of_twisty_litt is nowhere.
Down from You_re_at_west_end_of_Hall_of_Mi is nowhere.
North of You_are_in_a_maze_of_twisty_li_6 is nowhere.
North of Dead end 2 is nowhere.
Inside from You_are_in_a_maze_of_twisty_li_4 is nowhere.
Inside from You_are_in_a_maze_of_twisty_li_3 is nowhere.
West of You_are_in_a_maze_of_twisty_li_3 is nowhere.
South of You_are_in_a_maze_of_twisty_l_10 is nowhere.
Down from You_are_in_a_maze_of_twisty_li_9 is nowhere.
North of Dead end 4 is nowhere.
East of You_are_in_a_maze_of_twisty_li_9 is nowhere.
Inside from You_are_in_a_maze_of_twisty_li_9 is nowhere.
Inside from You_are_in_a_maze_of_twisty_l_10 is nowhere.
North of Dead end 6 is nowhere.
Up from You_re_in_bird_chamber is nowhere.
Inside from You_re_at_brink_of_pit is nowhere.
Up from You_are_at_a_crossover_of_a_high is nowhere.
Inside from You_are_at_a_crossover_of_a_high is nowhere.
South of You_re_in_large_low_room is nowhere.
Southwest of You_re_in_Bedquilt is nowhere.
South of You_re_in_Bedquilt is nowhere.
North of You_re_at_west_end_of_Twopit_Roo is nowhere.
South of You_re_at_window_on_pit_2 is nowhere.
Northwest of You_re_in_Bedquilt is nowhere.
Northwest of You_re_in_Oriental_Room is nowhere.
Northeast of You_re_in_sloping_corridor is nowhere.
Inside from You_re_in_large_low_room is nowhere.
Up from You_are_at_a_wide_place_in_a_ver is nowhere.
South of You_are_in_a_tall_e_w_canyon is nowhere.
South of You_re_in_Swiss_Cheese_Room is nowhere.
West of You_are_at_a_wide_place_in_a_ver is nowhere.
East of The_canyon_runs_into_a_mass_of_b is nowhere.
Inside from You_are_in_a_maze_of_twisty_l_11 is nowhere.
Inside from You_are_in_a_maze_of_twisty_l_12 is nowhere.
Inside from You_are_in_a_maze_of_twisty_li_8 is nowhere.
West of You_re_in_west_pit is nowhere.
Up from You_re_in_large_low_room is nowhere.
West of The_passage_here_is_blocked_by_a is nowhere.
North of You_re_in_narrow_corridor is nowhere.
Inside from You_re_in_Giant_Room is nowhere.
East of You_re_at_steep_incline_above_la is nowhere.
Inside from You_re_in_Swiss_Cheese_Room is nowhere.
Northwest of You_re_in_Swiss_Cheese_Room is nowhere.
East of You_re_in_large_low_room is nowhere.
Down from You_re_in_misty_cavern is nowhere.
Southeast of You_re_in_misty_cavern is nowhere.
Southwest of You_re_in_dark_room is nowhere.
North of You_re_in_Plover_Room is nowhere.
Inside from You_re_in_Plover_Room is nowhere.
Inside from You_re_in_Shell_Room is nowhere.
Inside from You_are_in_a_long_sloping_corrid is nowhere.
West of You_re_at_Witt_s_End is nowhere.
Down from You_re_at_complex_junction is nowhere.
Up from You_re_at_west_end_of_long_hall is nowhere.
East of You_re_at_junction_of_three_secr is nowhere.
Up from You_are_in_a_maze_of_twisty_li_6 is nowhere.
Inside from You_re_in_Mirror_Canyon is nowhere.
Down from You_re_on_sw_side_of_chasm is nowhere.
Inside from You_are_in_a_secret_n_s_canyon_a is nowhere.
Inside from You_re_in_secret_e_w_canyon_abov is nowhere.
Southwest of You_re_in_corridor is nowhere.
East of You_re_on_ne_side_of_chasm is nowhere.
Southwest of You_re_at_junction_with_warm_wal is nowhere.
Northwest of You_re_in_limestone_passage is nowhere.
North of You_re_at_fork_in_path is nowhere.
Inside from You_re_at_junction_with_warm_wal is nowhere.
South of You_re_at_fork_in_path is nowhere.
North of You_re_in_front_of_Barren_Room is nowhere.
East of You_re_in_limestone_passage is nowhere.
Inside from You_are_in_a_little_maze_of_twis is nowhere.
East of You_are_in_a_long is nowhere.
Inside from You_are_in_a_large_chamber_with is nowhere.
Inside from You_are_scrambling_along_a_treac is nowhere.
Down from Just as you reach the top 2 is nowhere.
Inside from You_re_at_top_of_cliff is nowhere.
